#include "game/my_app.h"

int MyApp::Menu() { return 0; }
int MyApp::LoadMenu() { return 0; }
int MyApp::CreditBox() { return 0; }
