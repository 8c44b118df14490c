// libFuzzer target for the state file: any bytes are read as the file would be (ReadAll, DecodeText) and restored
// into a game object the way Load does. A restored state must survive its own save: saving it and restoring that
// string again must give the same members, and the pad clamps must always hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/state_file.h"
#include "game/my_app.h"

namespace {

// As OnCreate leaves them before Load.
void StartValues(MyApp& app) {
    app.settings.fill(0);
    app.settings[5] = 1;
    app.badges.fill(false);
    app.scoreTables.fill(0);
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    // No window or devices: restoring touches only the arrays and Print.
    static MyApp* app = new MyApp();
    StartValues(*app);
    std::FILE* f = size ? fmemopen(const_cast<uint8_t*>(bytes), size, "rb") : std::tmpfile();
    if (!f) return 0;
    String text = statefile::DecodeText(statefile::ReadAll(f));
    std::fclose(f);
    app->RestoreState(text);
    Check(app->settings[10] >= 64 && app->settings[11] >= 64 && app->settings[12] >= 8);

    const auto settings = app->settings;
    const auto badges = app->badges;
    const auto scores = app->scoreTables;
    const String saved = app->StateString();
    Check(statefile::DecodeText(statefile::EncodeUtf8(saved)) == saved);
    StartValues(*app);
    app->RestoreState(saved);
    Check(app->settings == settings && app->badges == badges && app->scoreTables == scores);
    return 0;
}
