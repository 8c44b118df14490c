#pragma once
// The one window of the program. GLFW 2 had an implicit single window; with GLFW 3 its handle is this module global,
// set by process entry (or a test fixture) before the devices are used.
struct GLFWwindow;

namespace app {
extern GLFWwindow* window;
}
