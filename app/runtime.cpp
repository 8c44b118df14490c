#include "app/runtime.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

void Print(const String& text) {
    std::string line = ToNarrow(text);
    line.push_back('\n');
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void DebugLog(const String& text) { Print(text); }

void dbg_error(const String& message) {
    Print(u"Marmo Runtime Error : " + message);
    Print(String());  // the call stack: no debug information is kept
    // The debugger reads command lines from standard input; with nothing attached it is at its end at once. Any
    // command ends the session too, since there is nothing to inspect.
    char line[256];
    std::fgets(line, sizeof line, stdin);
    std::exit(-1);
}

void Error(const String& message) {
    if (message.empty()) std::exit(0);
    dbg_error(message);
}

void sighandler(int signal) {
    switch (signal) {
        case SIGSEGV: dbg_error(u"Memory access violation");
        case SIGILL: dbg_error(u"Illegal instruction");
        case SIGFPE: dbg_error(u"Floating point exception");
        default: dbg_error(u"Unknown signal");
    }
}
