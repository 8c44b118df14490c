#include "game/my_app.h"

int MyApp::GameOver() { return 0; }
String MyApp::MyNth() { return String(); }
void MyApp::RecordScore() {  }
int MyApp::GC_PostScore(int board, int score) { return 0; }
int MyApp::GC_Badges() { return 0; }
