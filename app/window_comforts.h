#pragma once
// Desktop comforts outside the game's own controls: F11 or Alt+Enter toggles fullscreen on the window's monitor and
// back to the previous window size; F12 saves a screenshot of the next rendered frame into the current folder.
#include <string>

class gxtkGraphics;

namespace app {

class WindowComforts {
public:
    // True when the key was one of ours; the game never sees it then.
    bool HandleKey(int glfwKey, int action, int mods);
    // Called after a frame is drawn and before it is shown.
    void AfterRender(gxtkGraphics& device);

    void ToggleFullscreen();
    // Writes the current frame as a PNG; returns the file name, or empty on failure.
    std::string SaveScreenshot(gxtkGraphics& device);

    bool screenshotPending = false;

private:
    int windowedX_ = 0, windowedY_ = 0, windowedW_ = 640, windowedH_ = 480;
};

}  // namespace app
