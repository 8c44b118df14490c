#pragma once
// Generation n of the saved members: every setting, badge and saved score is a function of n, so a state file that
// mixes two generations or stops short cannot pass for either of them.
#include "app/state_file.h"
#include "game/my_app.h"

namespace reliability {

inline void FillGeneration(MyApp& app, int n) {
    // Within the pad clamps, so a restore keeps them as they are.
    for (int i = 0; i < 25; ++i) app.settings[i] = 100 + 7 * n + i;
    for (int k = 0; k < 256; ++k) app.badges[k] = ((n * 2654435761u) >> (k % 32)) & 1u;
    for (int i = 0; i < 60; ++i) app.scoreTables[i] = 1000 * n + i - (i % 3 == 0 ? 2000000 : 0);
}

// The exact bytes a save of generation n puts in the file.
inline std::string GenerationBytes(MyApp& app, int n) {
    FillGeneration(app, n);
    return statefile::EncodeUtf8(app.StateString());
}

}  // namespace reliability
