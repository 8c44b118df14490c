#include "game/my_app.h"

int MyApp::ResetDraw() { return 0; }
int MyApp::CLS2D(float red, float green, float blue, float alpha) { return 0; }
int MyApp::SetCol(float red, float green, float blue, float alpha) { return 0; }
int MyApp::Alpha(float alpha) { return 0; }
int MyApp::SetRot(float angle) { return 0; }
int MyApp::SetSize(float sizeX, float sizeY) { return 0; }
int MyApp::Rect(float x, float y, float width, float height) { return 0; }
int MyApp::Oval(float x, float y, float radiusX, float radiusY) { return 0; }
int MyApp::DrawImg(int slot, float x, float y, float frame) { return 0; }
int MyApp::OnRender() { return 0; }
