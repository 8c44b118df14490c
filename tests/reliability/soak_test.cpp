// Long play on the test clock: scripted rounds one after another, a render every fourth update with a GL error
// check after each, and the resident memory sampled after warm-up. The normal suite runs 20,000 updates;
// tests/reliability/soak.sh runs an hour of play (216,000) through SKARNFELL_SOAK_UPDATES.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/reliability/game_run_fixture.h"

namespace {

using reliability::GameRun;

long SoakUpdates() {
    const char* text = std::getenv("SKARNFELL_SOAK_UPDATES");
    return text ? std::atol(text) : 20000;
}

TEST_F(GameRun, SoakOfScriptedRoundsKeepsMemoryFlatAndGlClean) {
    const long updates = SoakUpdates();
    const int renderEvery = 4;
    // Long enough for every asset, tune and instrument set to have been loaded at least once.
    const long warmUp = std::min(updates / 4, 12000L);
    FinishLoading();
    ASSERT_EQ(game->loadStage, 0);

    long warmKb = 0, peakKb = 0;
    std::string trace;
    PlayFor(updates, renderEvery, [&](long u) {
        // warmUp is a multiple of 1000 for every run length used.
        if (u < warmUp || u % 1000 != 0) return;
        const long kb = reliability::ResidentKb();
        if (u == warmUp) warmKb = kb;
        peakKb = std::max(peakKb, kb);
        if ((u - warmUp) % (updates / 10) < 1000) trace += " " + std::to_string(u) + ":" + std::to_string(kb) + "/" +
                                                           std::to_string(reliability::MallocInUseKb());
    });
    const long endKb = reliability::ResidentKb();
    peakKb = std::max(peakKb, endKb);

    std::printf("%ld updates, %ld renders, %d rounds started, %d ended; resident %ld kB after warm-up (update %ld), "
                "%ld kB at the end, %ld kB at most\n",
                updates, updates / renderEvery, roundsStarted, roundsEnded, warmKb, warmUp, endKb, peakKb);
    std::printf("resident kB by update:%s\n", trace.c_str());
    RecordProperty("resident_kb_warm", static_cast<int>(warmKb));
    RecordProperty("resident_kb_end", static_cast<int>(endKb));
    RecordProperty("resident_kb_peak", static_cast<int>(peakKb));
    RecordProperty("rounds", roundsEnded);

    EXPECT_EQ(glErrors, 0) << "first GL error 0x" << std::hex << firstGlError;
    EXPECT_GE(roundsEnded, 1) << "the scripted player never finished a round";
    EXPECT_TRUE(std::filesystem::exists(".marmostate")) << "rounds end in the menu, which saves";
    // Flat: nothing the game does per update or per round may keep memory. A little slack for the allocator.
    if (!reliability::kAddressSanitizer) {
        EXPECT_LE(peakKb - warmKb, 2048) << "resident memory grew after warm-up";
    }
}

}  // namespace
