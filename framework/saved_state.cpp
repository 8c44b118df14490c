// The state string: settings, badge words and three score boards as 98 "|"-terminated numbers in blocks that each
// end with a checksum, so a damaged file costs only the block it damaged. Checksums wrap around at 32 bits; they are
// summed unsigned so the wrap is defined.
#include <cstdint>
#include <vector>

#include "app/gxtk_app.h"
#include "app/runtime.h"
#include "game/globals.h"
#include "game/my_app.h"

namespace {
constexpr int kSettings = 25;
constexpr int kBadgeWords = 8;
constexpr int kBoards = 3;
constexpr int kRanks = 10;
// The recent list of a board sits three lists after its best list.
constexpr int kRecentOffset = 30;

int Wrap(std::uint32_t value) { return static_cast<int>(value); }

std::uint32_t SettingsChecksum(const std::array<int, 25>& settings) {
    std::uint32_t sum = 0;
    for (int i = 0; i < kSettings; ++i) sum += static_cast<std::uint32_t>(i) * static_cast<std::uint32_t>(settings[i]);
    return sum;
}

std::uint32_t BadgeWord(const std::array<bool, 256>& badges, int g) {
    std::uint32_t word = 0;
    for (int b = 0; b < 32; ++b) {
        if (badges[32 * g + b]) word |= 1u << b;
    }
    return word;
}

std::uint32_t BoardChecksum(const std::array<int, 150>& tables, int board) {
    std::uint32_t sum = 0;
    for (int r = 0; r < kRanks; ++r) {
        auto best = static_cast<std::uint32_t>(tables[board * 10 + r]);
        auto recent = static_cast<std::uint32_t>(tables[board * 10 + r + kRecentOffset]);
        sum += static_cast<std::uint32_t>(r + 4) * best + static_cast<std::uint32_t>(board + 3 + r) * recent;
    }
    return sum;
}

void AppendField(String& text, int value) {
    text += IntToString(value);
    text += u'|';
}

// As C's atoi reads it (glibc: strtol cut to int), on the low 8 bits of each character.
int ReadField(const String& field) {
    std::size_t i = 0, n = field.size();
    auto low = [&field](std::size_t k) { return static_cast<unsigned char>(field[k] & 0xFF); };
    while (i < n && (low(i) == ' ' || (low(i) >= '\t' && low(i) <= '\r'))) ++i;
    bool negative = false;
    if (i < n && (low(i) == '+' || low(i) == '-')) negative = low(i++) == '-';
    const std::uint64_t limit = negative ? (1ull << 63) : (1ull << 63) - 1;
    std::uint64_t value = 0;
    for (; i < n && low(i) >= '0' && low(i) <= '9'; ++i) {
        std::uint64_t digit = low(i) - '0';
        value = (value > (limit - digit) / 10) ? limit : value * 10 + digit;
    }
    if (negative) value = 0 - value;
    return Wrap(static_cast<std::uint32_t>(value));
}

class FieldReader {
public:
    explicit FieldReader(const std::vector<String>& fields) : fields_(fields) {}
    int Count() const { return static_cast<int>(fields_.size()); }
    int cursor = 0;
    int Next() { return ReadField(fields_[cursor++]); }

private:
    const std::vector<String>& fields_;
};

void ResetSettings(std::array<int, 25>& settings) {
    settings.fill(0);
    settings[5] = 1;
}

void ReadSettings(MyApp& app, FieldReader& in) {
    if (in.Count() < kSettings + 1) return;
    for (int i = 0; i < kSettings; ++i) app.settings[i] = in.Next();
    if (Wrap(SettingsChecksum(app.settings)) == in.Next()) {
        Print(u"Settings Loaded");
    } else {
        Print(u"Settings Checksum Invalid");
        ResetSettings(app.settings);
    }
}

// The on-screen pad must stay reachable and visible, whatever the file said.
void ClampPadSettings(std::array<int, 25>& settings) {
    if (settings[10] < 64) settings[10] = 64;
    if (settings[11] < 64) settings[11] = 64;
    if (settings[12] < 8) settings[12] = 10;
}

void ReadBadges(MyApp& app, FieldReader& in) {
    if (in.Count() <= in.cursor + kBadgeWords) return;
    std::uint32_t sum = 0;
    for (int g = 0; g < kBadgeWords; ++g) {
        auto word = static_cast<std::uint32_t>(in.Next());
        for (int b = 0; b < 32; ++b) app.badges[32 * g + b] = (word >> b) & 1u;
        sum += word;
    }
    if (Wrap(sum) == in.Next()) {
        Print(u"Badges Loaded");
    } else {
        Print(u"Badge Checksum Invalid");
        app.badges.fill(false);
    }
}

// False when the fields ran out: this board and the later ones keep their values.
bool ReadBoard(MyApp& app, FieldReader& in, int board) {
    if (in.Count() <= in.cursor + 2 * kRanks) return false;
    for (int r = 0; r < kRanks; ++r) {
        app.scoreTables[board * 10 + r] = in.Next();
        app.scoreTables[board * 10 + r + kRecentOffset] = in.Next();
    }
    String prefix = u"Highscore " + IntToString(board);
    if (Wrap(BoardChecksum(app.scoreTables, board)) == in.Next()) {
        Print(prefix + u" Loaded");
        return true;
    }
    Print(prefix + u" Checksum Invalid");
    for (int r = 0; r < kRanks; ++r) {
        app.scoreTables[board * 10 + r] = 0;
        app.scoreTables[board * 10 + r + kRecentOffset] = 0;
    }
    return true;
}
}  // namespace

String MyApp::StateString() {
    String text;
    text.reserve(98 * 12);
    for (int i = 0; i < kSettings; ++i) AppendField(text, settings[i]);
    AppendField(text, Wrap(SettingsChecksum(settings)));
    std::uint32_t badgeSum = 0;
    for (int g = 0; g < kBadgeWords; ++g) {
        std::uint32_t word = BadgeWord(badges, g);
        AppendField(text, Wrap(word));
        badgeSum += word;
    }
    AppendField(text, Wrap(badgeSum));
    for (int a = 0; a < kBoards; ++a) {
        for (int r = 0; r < kRanks; ++r) {
            AppendField(text, scoreTables[a * 10 + r]);
            AppendField(text, scoreTables[a * 10 + r + kRecentOffset]);
        }
        AppendField(text, Wrap(BoardChecksum(scoreTables, a)));
    }
    return text;
}

int MyApp::Save() {
    String state = StateString();
    if (DebugMode == 1) DebugLog(state);
    app::SaveState(state);
    return 0;
}

// Blocks are read in order and the cursor moves only over blocks that were there, so a missing settings block makes
// the badge block start at field 0.
void MyApp::RestoreState(const String& state) {
    std::vector<String> fields = Split(state, u"|");
    FieldReader in(fields);
    ReadSettings(*this, in);
    ClampPadSettings(settings);
    ReadBadges(*this, in);
    for (int a = 0; a < kBoards; ++a) {
        if (!ReadBoard(*this, in, a)) break;
    }
}

int MyApp::Load() {
    String state = app::LoadState();
    if (DebugMode == 1) DebugLog(state);
    RestoreState(state);
    return 0;
}
