#pragma once
// Configuration of the game module, set by the module start and never read from a file.

extern int HasMusic;
extern int DebugMode;
extern int iCadeControls;
extern int OnScreenControls;
extern int AccelerometerControls;
extern float rawscrw;
extern float rawscrh;
// The visible part of the virtual screen, recomputed by every render.
extern float jscrw;
extern float jscrh;

// Sets every module global of the program to its default (graphics, input, audio and app devices to null included).
void initModules();
