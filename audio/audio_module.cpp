// The audio module: free functions over the one device the app publishes.
#include "app/paths.h"
#include "audio/audio_device.h"

namespace audio {

gxtkAudio* device = nullptr;

int SetAudioDevice(gxtkAudio* dev) {
    device = dev;
    return 0;
}

SoundPtr LoadSound(const String& path) {
    SamplePtr sample = device->LoadSample(FixDataPath(path));
    if (!sample) return nullptr;
    auto sound = std::make_shared<Sound>();
    sound->sample = sample;
    return sound;
}

int PlaySound(Sound* sound, int channel, int flags) {
    if (sound && sound->sample) device->PlaySample(sound->sample.get(), channel, flags);
    return 0;
}

int StopChannel(int channel) { return device->StopChannel(channel); }
int SetChannelVolume(int channel, float volume) { return device->SetVolume(channel, volume); }
int SetChannelPan(int channel, float pan) { return device->SetPan(channel, pan); }
int SetChannelRate(int channel, float rate) { return device->SetRate(channel, rate); }

}  // namespace audio
