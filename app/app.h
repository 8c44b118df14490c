#pragma once
// The game's base class: the events the shell raises on it.

class App {
public:
    virtual ~App() = default;
    virtual int OnCreate() { return 0; }
    virtual int OnUpdate() { return 0; }
    virtual int OnSuspend() { return 0; }
    virtual int OnResume() { return 0; }
    virtual int OnRender() { return 0; }
    virtual int OnLoading() { return 0; }
};
