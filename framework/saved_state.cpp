#include "game/my_app.h"

int MyApp::Load() { return 0; }
int MyApp::Save() { return 0; }
String MyApp::StateString() { return String(); }
void MyApp::RestoreState(const String& state) {  }
