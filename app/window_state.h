#pragma once
// What the main loop asks of the window besides time: its state and the event pump. GLFW in the game; tests
// install their own to iconify, focus and never block.

namespace app {

class WindowState {
public:
    virtual ~WindowState() = default;
    virtual bool IsOpen() = 0;
    virtual bool Iconified() = 0;
    virtual bool Focused() = 0;
    virtual void PollEvents() = 0;
    // Blocks until an event arrives.
    virtual void WaitEvents() = 0;
    virtual void SwapBuffers() = 0;
};

class GlfwWindowState final : public WindowState {
public:
    bool IsOpen() override;
    bool Iconified() override;
    bool Focused() override;
    void PollEvents() override;
    void WaitEvents() override;
    void SwapBuffers() override;
};

}  // namespace app
