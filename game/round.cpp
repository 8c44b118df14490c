#include "game/my_app.h"

int MyApp::LoadGame() { return 0; }
int MyApp::Game() { return 0; }
int MyApp::InGame() { return 0; }
int MyApp::PauseMenu() { return 0; }
int MyApp::WaitStart(int n) { return 0; }
