#pragma once
// Log lines and the runtime error report.
#include "app/text.h"

// One line on standard output, each character cut to 8 bits, flushed.
void Print(const String& text);
void DebugLog(const String& text);

// "Marmo Runtime Error : " + message, an empty call-stack line, then the debugger prompt; with no debugger attached
// (standard input at its end) the process exits with status -1. Never returns.
[[noreturn]] void dbg_error(const String& message);
// An empty message ends the process quietly with status 0; anything else goes to dbg_error.
void Error(const String& message);
// Installed for SIGSEGV, SIGILL and SIGFPE.
void sighandler(int signal);
