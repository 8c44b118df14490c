#pragma once
// GLFW 3 key numbers to the program's own key codes (the Windows virtual-key numbering), and the characters a key
// press queues.

// 0 for keys without a code.
int TransKey(int glfwKey);
int KeyToChar(int code);
