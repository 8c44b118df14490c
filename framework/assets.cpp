#include "game/my_app.h"

int MyApp::LoadImg(int slot, const String& stem, int frameWidth, int frameHeight, int frameCount, int flags) { return 0; }
int MyApp::LoadFont(int slot, const String& stem, int advance, int lineHeight) { return 0; }
int MyApp::Reload() { return 0; }
int MyApp::LoadSFX(int n) { return 0; }
int MyApp::PlaySFX(int n, float rate, float volume, float pan) { return 0; }
int MyApp::Loader() { return 0; }
void MyApp::ChooseResolution() {  }
