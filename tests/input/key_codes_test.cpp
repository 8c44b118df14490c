#include "input/key_codes.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

namespace {
struct KeyCase {
    int glfwKey;
    int code;
};

const KeyCase kKeys[] = {
    {GLFW_KEY_SPACE, 32},         {GLFW_KEY_APOSTROPHE, 222},    {GLFW_KEY_COMMA, 188},
    {GLFW_KEY_MINUS, 189},        {GLFW_KEY_PERIOD, 190},        {GLFW_KEY_SLASH, 191},
    {GLFW_KEY_SEMICOLON, 186},    {GLFW_KEY_EQUAL, 187},         {GLFW_KEY_LEFT_BRACKET, 219},
    {GLFW_KEY_BACKSLASH, 220},    {GLFW_KEY_RIGHT_BRACKET, 221}, {GLFW_KEY_GRAVE_ACCENT, 192},
    {GLFW_KEY_0, 48},             {GLFW_KEY_9, 57},              {GLFW_KEY_A, 65},
    {GLFW_KEY_M, 77},             {GLFW_KEY_Z, 90},              {GLFW_KEY_ESCAPE, 27},
    {GLFW_KEY_F1, 112},           {GLFW_KEY_F6, 117},            {GLFW_KEY_F12, 123},
    {GLFW_KEY_LEFT, 37},          {GLFW_KEY_UP, 38},             {GLFW_KEY_RIGHT, 39},
    {GLFW_KEY_DOWN, 40},          {GLFW_KEY_LEFT_SHIFT, 160},    {GLFW_KEY_RIGHT_SHIFT, 161},
    {GLFW_KEY_LEFT_CONTROL, 162}, {GLFW_KEY_RIGHT_CONTROL, 163}, {GLFW_KEY_TAB, 9},
    {GLFW_KEY_ENTER, 13},         {GLFW_KEY_BACKSPACE, 8},       {GLFW_KEY_INSERT, 45},
    {GLFW_KEY_DELETE, 46},        {GLFW_KEY_PAGE_UP, 33},        {GLFW_KEY_PAGE_DOWN, 34},
    {GLFW_KEY_HOME, 36},          {GLFW_KEY_END, 35},
    // Keys the game has no code for.
    {GLFW_KEY_F13, 0},            {GLFW_KEY_F25, 0},             {GLFW_KEY_LEFT_ALT, 0},
    {GLFW_KEY_RIGHT_ALT, 0},      {GLFW_KEY_LEFT_SUPER, 0},      {GLFW_KEY_RIGHT_SUPER, 0},
    {GLFW_KEY_MENU, 0},           {GLFW_KEY_CAPS_LOCK, 0},       {GLFW_KEY_SCROLL_LOCK, 0},
    {GLFW_KEY_NUM_LOCK, 0},       {GLFW_KEY_PRINT_SCREEN, 0},    {GLFW_KEY_PAUSE, 0},
    {GLFW_KEY_KP_0, 0},           {GLFW_KEY_KP_9, 0},            {GLFW_KEY_KP_ENTER, 0},
    {GLFW_KEY_KP_EQUAL, 0},       {GLFW_KEY_WORLD_1, 0},         {GLFW_KEY_WORLD_2, 0},
    {GLFW_KEY_UNKNOWN, 0},        {0, 0},                        {31, 0},
    {'"', 0},                     {'~', 0},                      {'a', 0},
    {1000, 0},
};

TEST(TransKey, GivesTheProgramsCodeForEveryGlfwKey) {
    for (const KeyCase& k : kKeys) EXPECT_EQ(TransKey(k.glfwKey), k.code) << "GLFW key " << k.glfwKey;
}

TEST(KeyToChar, QueuesControlAndNavigationKeys) {
    const struct {
        int code;
        int character;
    } cases[] = {
        {8, 8},         {9, 9},         {13, 13},       {27, 27},       {33, 33 + 65536}, {36, 36 + 65536},
        {37, 37 + 65536}, {40, 40 + 65536}, {45, 45 + 65536}, {46, 127},  {32, 0},          {41, 0},
        {44, 0},        {65, 0},        {1, 0},         {16, 0},        {160, 0},         {256, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyToChar(c.code), c.character) << "code " << c.code;
}
}  // namespace
