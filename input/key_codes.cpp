#include "input/key_codes.h"

#include <GLFW/glfw3.h>

int TransKey(int glfwKey) {
    if ((glfwKey >= GLFW_KEY_0 && glfwKey <= GLFW_KEY_9) || (glfwKey >= GLFW_KEY_A && glfwKey <= GLFW_KEY_Z))
        return glfwKey;
    if (glfwKey >= GLFW_KEY_F1 && glfwKey <= GLFW_KEY_F12) return 112 + (glfwKey - GLFW_KEY_F1);
    switch (glfwKey) {
        case GLFW_KEY_SPACE: return 32;
        case GLFW_KEY_APOSTROPHE: return 222;
        case GLFW_KEY_COMMA: return 188;
        case GLFW_KEY_MINUS: return 189;
        case GLFW_KEY_PERIOD: return 190;
        case GLFW_KEY_SLASH: return 191;
        case GLFW_KEY_SEMICOLON: return 186;
        case GLFW_KEY_EQUAL: return 187;
        case GLFW_KEY_LEFT_BRACKET: return 219;
        case GLFW_KEY_BACKSLASH: return 220;
        case GLFW_KEY_RIGHT_BRACKET: return 221;
        case GLFW_KEY_GRAVE_ACCENT: return 192;
        case GLFW_KEY_ESCAPE: return 27;
        case GLFW_KEY_UP: return 38;
        case GLFW_KEY_DOWN: return 40;
        case GLFW_KEY_LEFT: return 37;
        case GLFW_KEY_RIGHT: return 39;
        case GLFW_KEY_LEFT_SHIFT: return 160;
        case GLFW_KEY_RIGHT_SHIFT: return 161;
        case GLFW_KEY_LEFT_CONTROL: return 162;
        case GLFW_KEY_RIGHT_CONTROL: return 163;
        case GLFW_KEY_TAB: return 9;
        case GLFW_KEY_ENTER: return 13;
        case GLFW_KEY_BACKSPACE: return 8;
        case GLFW_KEY_INSERT: return 45;
        case GLFW_KEY_DELETE: return 46;
        case GLFW_KEY_PAGE_UP: return 33;
        case GLFW_KEY_PAGE_DOWN: return 34;
        case GLFW_KEY_HOME: return 36;
        case GLFW_KEY_END: return 35;
        default: return 0;
    }
}

int KeyToChar(int code) {
    switch (code) {
        case 8: case 9: case 13: case 27: return code;
        case 46: return 127;
    }
    // Cursor and navigation keys arrive as characters above the 16-bit range so they never clash with typing.
    if ((code >= 33 && code <= 40) || code == 45) return code + 65536;
    return 0;
}
