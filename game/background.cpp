#include "game/my_app.h"

int MyApp::ResetBG() { return 0; }
int MyApp::DoBG() { return 0; }
