#include "game/my_app.h"

int MyApp::ShootPlane() { return 0; }
int MyApp::ShootDragon(int count) { return 0; }
int MyApp::DoFire() { return 0; }
