#include "music/nuv_player.h"

// Placeholder bodies until the sequencer lands.
NuvPlayer::NuvPlayer() : noteData(262145, 0) {}
int NuvPlayer::Nuv_Init(int, int, int, int, int) { return 0; }
int NuvPlayer::Nuv_LoadChunk() { return 0; }
int NuvPlayer::Nuv_Alive_R() { return 0; }
int NuvPlayer::Nuv_Stop(int) { return 0; }
float NuvPlayer::GetPitch_Alpha(char16_t) { return 0; }
float NuvPlayer::GetPitch(int) { return 0; }
int NuvPlayer::Nuv_PlayNote(int, int, int, int, int) { return 0; }
int NuvPlayer::Rand(float, float) { return 0; }
String NuvPlayer::Nuv_GetChord(int) { return String(); }
int NuvPlayer::Nuv_MusicPlay() { return 0; }
int NuvPlayer::Nuv_Alive_U(int, int) { return 0; }
int NuvPlayer::Nuv_StartTune(const String&, int, int) { return 0; }
