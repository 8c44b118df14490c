// Saves the game's state string over and over into ".marmostate" in the current folder, for the test that kills it
// with SIGKILL at random moments. Generations start after the one given; "b n" goes to standard error before save n
// and "d n" once it returned 0, each with one write so nothing is lost when the process dies.
//   save_loop LAST_GENERATION
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/reliability/helpers/save_generation.h"

namespace {
void Report(char what, int n) {
    std::string line = std::string(1, what) + " " + std::to_string(n) + "\n";
    if (write(2, line.data(), line.size()) < 0) std::_Exit(3);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    MyApp app;  // no window or devices: saving only reads the arrays
    int n = std::atoi(argv[1]);
    // Bounded, so a helper that nobody kills still ends.
    for (int saves = 0; saves < 100000; ++saves) {
        ++n;
        reliability::FillGeneration(app, n);
        const String state = app.StateString();
        Report('b', n);
        if (statefile::SaveStateFile(state) != 0) return 1;
        Report('d', n);
    }
    return 0;
}
