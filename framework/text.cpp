#include "game/my_app.h"

int MyApp::Text(float x, float y, const String& text, float alignX, float alignY) { return 0; }
int MyApp::Button(int slot, float x, float y, int frame) { return 0; }
int MyApp::Button0(int slot, float x, float y, int frame) { return 0; }
String MyApp::rstr(int value, int width, const String& pad) { return String(); }
