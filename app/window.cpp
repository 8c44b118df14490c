#include "app/window.h"

namespace app {
GLFWwindow* window = nullptr;
}
