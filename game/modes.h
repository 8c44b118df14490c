#pragma once
// The values of MyApp::mode. Modes above 9 are the round (the pause panel and the on-screen pad test for that).
enum GameMode : int {
    kTitleMenu = 1,
    kEnterMenu = 2,
    kRound = 10,
    kEnterRound = 11,
};
