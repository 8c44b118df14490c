// skarnfell_tunec <source.txt> <out.png>: compiles one tune text into its tune image.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tune_image.h"
#include "tune_source.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <tune.txt> <tune.png>\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    tunes::TuneCells cells;
    tunes::ParseResult result = tunes::ParseTune(text.str(), &cells);
    if (!result.ok) {
        std::fprintf(stderr, "%s: %s\n", argv[1], result.error.c_str());
        return 1;
    }
    if (!tunes::WriteTuneImage(cells, argv[2])) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
