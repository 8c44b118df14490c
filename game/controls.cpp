#include "game/my_app.h"

int MyApp::iCade(int n) { return 0; }
int MyApp::PlayKey(int n) { return 0; }
void MyApp::GatherControls() {  }
void MyApp::ControlOverlays() {  }
