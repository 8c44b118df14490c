// The state string: its 98 fields and checksums, the round trip, block-by-block recovery from damage, the pad
// clamps and atoi-style field reading; and Save/Load through the state file.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/gxtk_app.h"
#include "game/globals.h"
#include "game/my_app.h"
#include "tests/game/framework_test_data.h"

namespace {

std::vector<String> Fields(const String& state) { return Split(state, u"|"); }

String Join(const std::vector<String>& fields, size_t count) {
    String out;
    for (size_t i = 0; i < count; ++i) out += fields[i] + u"|";
    return out;
}

int FieldValue(const String& state, int index) { return std::stoi(ToNarrow(Fields(state)[index])); }

// Restores a state string and returns what it logged.
std::string Restore(MyApp& app, const String& state) {
    testing::internal::CaptureStdout();
    app.RestoreState(state);
    return testing::internal::GetCapturedStdout();
}

const std::string kAllLoaded =
    "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 Loaded\n";

// Distinct values everywhere a state string reaches, including negatives, the extremes and bit 31 of badge words.
void FillSample(MyApp& app) {
    for (int i = 0; i < 25; ++i) app.settings[i] = (i - 12) * 1000003;
    app.settings[10] = 100;
    app.settings[11] = 90;
    app.settings[12] = 12;
    app.settings[24] = INT_MAX;
    for (int b : {0, 31, 63, 100, 255}) app.badges[b] = true;
    for (int i = 0; i < 60; ++i) app.scoreTables[i] = i * 7919 - 200000;
    app.scoreTables[3] = INT_MIN;
    app.scoreTables[45] = INT_MAX;
}

TEST(StateString, FreshStateReadsAsTheWorkedExample) {
    MyApp app;
    app.settings[5] = 1;
    EXPECT_EQ(Restore(app, String()), "") << "an empty state logs nothing";
    String state = app.StateString();
    std::vector<String> f = Fields(state);
    ASSERT_EQ(f.size(), 99u);
    EXPECT_EQ(f[98], u"") << "the string ends with |";
    for (int i = 0; i < 98; ++i) {
        int expected = 0;
        if (i == 5) expected = 1;
        if (i == 10 || i == 11) expected = 64;
        if (i == 12) expected = 10;
        if (i == 25) expected = 1469;
        EXPECT_EQ(f[i], IntToString(expected)) << "field " << i;
    }
}

TEST(StateString, ChecksumsOfTheWorkedExamples) {
    struct Case {
        int board, checksumField, expected;
    };
    for (Case c : {Case{0, 55, 41}, Case{1, 76, 4 * 5 + 4 * 7}, Case{2, 97, 55}}) {
        MyApp app;
        app.scoreTables[c.board * 10] = 5;
        app.scoreTables[c.board * 10 + 30] = 7;
        String state = app.StateString();
        EXPECT_EQ(FieldValue(state, c.checksumField), c.expected) << "board " << c.board;
        EXPECT_EQ(FieldValue(state, 35 + c.board * 21), 5);
        EXPECT_EQ(FieldValue(state, 36 + c.board * 21), 7);
    }
    MyApp app;
    app.badges[0] = true;
    app.badges[32 * 7 + 31] = true;  // bit 31 makes the word negative
    String state = app.StateString();
    EXPECT_EQ(FieldValue(state, 26), 1);
    EXPECT_EQ(FieldValue(state, 33), INT_MIN);
    EXPECT_EQ(FieldValue(state, 34), INT_MIN + 1);
}

TEST(StateString, RoundTripRestoresEverythingSaved) {
    MyApp source;
    FillSample(source);
    String state = source.StateString();

    MyApp target;
    target.scoreTables[60] = 77;  // lists beyond the six saved ones are not touched
    EXPECT_EQ(Restore(target, state), kAllLoaded);
    EXPECT_EQ(target.settings, source.settings);
    EXPECT_EQ(target.badges, source.badges);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(target.scoreTables[i], source.scoreTables[i]) << "score " << i;
    EXPECT_EQ(target.scoreTables[60], 77);
    EXPECT_EQ(target.StateString(), state);
}

TEST(StateString, DamageCostsOnlyTheDamagedBlock) {
    MyApp source;
    FillSample(source);
    const String state = source.StateString();

    struct Case {
        int field;
        std::string log;
        bool settingsReset, badgesCleared;
        int boardZeroed;  // -1: none
    };
    const Case cases[] = {
        {25, "Settings Checksum Invalid\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 Loaded\n",
         true, false, -1},
        {3, "Settings Checksum Invalid\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 Loaded\n",
         true, false, -1},
        {34, "Settings Loaded\nBadge Checksum Invalid\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 Loaded\n",
         false, true, -1},
        {40, "Settings Loaded\nBadges Loaded\nHighscore 0 Checksum Invalid\nHighscore 1 Loaded\nHighscore 2 Loaded\n",
         false, false, 0},
        {76, "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Checksum Invalid\nHighscore 2 Loaded\n",
         false, false, 1},
        {97, "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 Checksum Invalid\n",
         false, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("field " + std::to_string(c.field));
        std::vector<String> f = Fields(state);
        f[c.field] = IntToString(FieldValue(state, c.field) + 1);
        MyApp app;
        EXPECT_EQ(Restore(app, Join(f, 98)), c.log);

        if (c.settingsReset) {
            for (int i = 0; i < 25; ++i) {
                int expected = i == 5 ? 1 : (i == 10 || i == 11) ? 64 : i == 12 ? 10 : 0;
                EXPECT_EQ(app.settings[i], expected) << "setting " << i;
            }
        } else {
            EXPECT_EQ(app.settings, source.settings);
        }
        EXPECT_EQ(app.badges[31], !c.badgesCleared);
        for (int board = 0; board < 3; ++board) {
            bool zeroed = board == c.boardZeroed;
            for (int r = 0; r < 10; ++r) {
                for (int list : {board * 10 + r, board * 10 + r + 30}) {
                    EXPECT_EQ(app.scoreTables[list], zeroed ? 0 : source.scoreTables[list]) << "score " << list;
                }
            }
        }
    }
}

TEST(StateString, MissingBlocksKeepTheirValues) {
    MyApp source;
    FillSample(source);
    std::vector<String> f = Fields(source.StateString());

    MyApp cut;
    cut.scoreTables[0] = 11;
    cut.scoreTables[59] = 12;
    EXPECT_EQ(Restore(cut, Join(f, 41)), "Settings Loaded\nBadges Loaded\n") << "cut after field 40";
    EXPECT_EQ(cut.settings, source.settings);
    EXPECT_EQ(cut.badges, source.badges);
    EXPECT_EQ(cut.scoreTables[0], 11);
    EXPECT_EQ(cut.scoreTables[59], 12);

    // 25 fields: no settings checksum, so the badge block is sought from field 0.
    String state = u"1|0|0|0|0|0|0|-2147483648|-2147483647";
    for (int i = 9; i < 25; ++i) state += u"|0";
    MyApp app;
    app.settings[3] = 33;
    app.settings[12] = 9;
    EXPECT_EQ(Restore(app, state), "Badges Loaded\n");
    EXPECT_TRUE(app.badges[0]);
    EXPECT_TRUE(app.badges[255]);
    EXPECT_FALSE(app.badges[1]);
    EXPECT_EQ(app.settings[3], 33);
    EXPECT_EQ(app.settings[12], 9);
    EXPECT_EQ(app.settings[10], 64) << "the clamps apply even when no settings were read";
}

TEST(StateString, PadSettingsAreClamped) {
    struct Case {
        int index, value, expected;
    };
    for (Case c : {Case{12, 9, 9}, Case{12, 8, 8}, Case{12, 7, 10}, Case{12, -5, 10}, Case{10, 63, 64},
                   Case{10, 64, 64}, Case{11, 0, 64}, Case{11, 65, 65}}) {
        MyApp source;
        source.settings[10] = source.settings[11] = 100;
        source.settings[12] = 20;
        source.settings[c.index] = c.value;
        MyApp app;
        EXPECT_EQ(Restore(app, source.StateString()), kAllLoaded);
        EXPECT_EQ(app.settings[c.index], c.expected) << "setting " << c.index << " = " << c.value;
    }
}

TEST(StateString, FieldsReadAsAtoiReadsThem) {
    MyApp source;
    const String valid = source.StateString();
    struct Case {
        String field;
        int expected;
    };
    // Setting 0 weighs nothing in its checksum, so the block stays valid whatever the field reads as.
    const Case cases[] = {
        {u"12", 12},
        {u" \t\n+12abc", 12},
        {u"-3x", -3},
        {u"abc", 0},
        {u"", 0},
        {u"- 5", 0},
        {u"0x1A", 0},
        {String{char16_t(0x131), char16_t(0x132)}, 12},  // low 8 bits of each character
        {u"4294967297", 1},                              // cut to 32 bits
        {u"99999999999999999999", -1},                   // saturates as strtol does, then is cut
        {u"-99999999999999999999", 0},
    };
    for (const Case& c : cases) {
        std::vector<String> f = Fields(valid);
        f[0] = c.field;
        MyApp app;
        EXPECT_EQ(Restore(app, Join(f, 98)), kAllLoaded);
        EXPECT_EQ(app.settings[0], c.expected) << ToNarrow(c.field);
    }
}

using SaveLoad = FrameworkFixture;

TEST_F(SaveLoad, SaveAndLoadGoThroughTheStateFile) {
    FillSample(*game);
    const String saved = game->StateString();
    game->Save();
    EXPECT_EQ(app::LoadState(), saved);

    game->settings.fill(0);
    game->badges.fill(false);
    game->scoreTables.fill(0);
    testing::internal::CaptureStdout();
    game->Load();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kAllLoaded);
    EXPECT_EQ(game->StateString(), saved);

    DebugMode = 1;
    testing::internal::CaptureStdout();
    game->Save();
    std::string log = testing::internal::GetCapturedStdout();
    DebugMode = 0;
    EXPECT_EQ(log, ToNarrow(saved) + "\n") << "debug mode logs the whole string";
}

}  // namespace
