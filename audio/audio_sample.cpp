// Samples and the process-wide discard list. Buffers are never deleted where a sample dies: a source may still be
// playing them, so they wait here for a flush that finds them free.
#include <AL/al.h>

#include "audio/audio_device.h"

std::vector<unsigned int> discarded;

gxtkSample::~gxtkSample() { gxtkSample::Discard(); }

int gxtkSample::Discard() {
    if (buffer != 0) {
        discarded.push_back(buffer);
        buffer = 0;
    }
    return 0;
}

void FlushDiscarded(gxtkAudio* audio) {
    if (discarded.empty()) return;
    for (auto& chan : audio->channels) {
        if (chan.state == 0) continue;
        ALint state = AL_STOPPED;
        alGetSourcei(chan.source, AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED) alSourcei(chan.source, AL_BUFFER, 0);
    }
    std::vector<unsigned int> kept;
    for (unsigned int buffer : discarded) {
        // Drop any error left by an earlier unchecked call (a refused upload), or a deleted buffer would look kept
        // and be deleted again later, by then perhaps under a reused name.
        alGetError();
        alDeleteBuffers(1, &buffer);
        if (alGetError() != AL_NO_ERROR) kept.push_back(buffer);
    }
    discarded.swap(kept);
}
