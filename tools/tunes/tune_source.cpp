#include "tune_source.h"

#include <cctype>
#include <sstream>

namespace tunes {
namespace {

struct TrackInfo {
    const char* name;
    int referenceOctave;  // octave of the C that plays at rate 1.0 (note 13); 0 for drum kits
};

constexpr TrackInfo kTrackInfo[] = {{"drumsA", 0}, {"drumsB", 0}, {"lead", 5}, {"accomp", 4}, {"bass", 2}};
constexpr int kNamedTracks = 5;

struct DrumName {
    const char* name;
    int note;
};

constexpr DrumName kDrums[] = {{"kick", 13}, {"snare", 15}, {"hat", 17},  {"ohat", 18},
                               {"ltom", 20}, {"htom", 22},  {"clap", 24}, {"crash", 25},
                               {"cut", 1}};

struct Cell {
    int note = 0, volume = 0, effect = 0, amount = 0;
};

class Parser {
public:
    explicit Parser(TuneCells* cells) : cells_(cells) {
        for (int& v : trackVolume_) v = 24;
    }

    ParseResult Run(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
            if (!Line(line)) return {false, "line " + std::to_string(lineNumber_) + ": " + error_};
        }
        return {true, ""};
    }

private:
    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }

    static bool ToInt(const std::string& s, int* out) {
        if (s.empty()) return false;
        for (char c : s)
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        *out = std::stoi(s);
        return true;
    }

    int TrackIndex(const std::string& name) const {
        for (int t = 0; t < kNamedTracks; ++t)
            if (name == kTrackInfo[t].name) return t;
        return -1;
    }

    bool Line(const std::string& line) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) return true;
        if (first == "track") return TrackLine(words);
        if (first == "pattern") return PatternLine(words);
        if (track_ < 0) return Fail("notes before the first pattern");
        // Directives may sit between tokens on a line, e.g. "kick . snare . step 2 snare snare".
        std::string word = first;
        do {
            if (!Word(word, words)) return false;
        } while (words >> word);
        return true;
    }

    bool Word(const std::string& word, std::istringstream& words) {
        if (word == "step") return NumberDirective(words, 1, 64, &step_, "step");
        if (word == "volume") return NumberDirective(words, 1, 31, &volume_, "volume");
        if (word == "row") return NumberDirective(words, 0, 63, &cursor_, "row");
        if (word == "repeat") return Repeat();
        return Token(word);
    }

    bool NumberDirective(std::istringstream& words, int low, int high, int* out, const char* what) {
        std::string s;
        int v = 0;
        if (!(words >> s) || !ToInt(s, &v) || v < low || v > high)
            return Fail(std::string(what) + " needs a number from " + std::to_string(low) + " to " +
                        std::to_string(high));
        *out = v;
        return true;
    }

    // track <name> volume <n>: the default volume of that track's notes.
    bool TrackLine(std::istringstream& words) {
        std::string name, key, value;
        int v = 0;
        words >> name >> key >> value;
        int t = TrackIndex(name);
        if (t < 0) return Fail("unknown track '" + name + "'");
        if (key != "volume" || !ToInt(value, &v) || v < 1 || v > 30) return Fail("expected: track <name> volume 1-30");
        trackVolume_[t] = v;
        return true;
    }

    // pattern <track> <index> [like <index>]
    bool PatternLine(std::istringstream& words) {
        std::string name, index, like, source;
        int p = 0;
        words >> name >> index >> like >> source;
        track_ = TrackIndex(name);
        if (track_ < 0) return Fail("unknown track '" + name + "'");
        if (!ToInt(index, &p) || p > 62) return Fail("pattern index must be 0 to 62");
        pattern_ = p;
        cursor_ = 0;
        step_ = 4;
        volume_ = trackVolume_[track_];
        lastVolume_ = volume_;
        if (like.empty()) return true;
        int s = 0;
        if (like != "like" || !ToInt(source, &s) || s > 62) return Fail("expected: like <pattern index>");
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) cells_->At(p, track_, r, c) = cells_->At(s, track_, r, c);
        return true;
    }

    // Copies rows 0 to cursor-1 over the rest of the pattern, as often as they fit.
    bool Repeat() {
        if (cursor_ == 0) return Fail("repeat needs rows written before it");
        for (int r = cursor_; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                cells_->At(pattern_, track_, r, c) = cells_->At(pattern_, track_, r % cursor_, c);
        return true;
    }

    bool Token(const std::string& token) {
        if (token[0] == '@') {
            std::istringstream at(token.substr(1));
            return NumberDirective(at, 0, 63, &cursor_, "@");
        }
        if (cursor_ >= kRows) return Fail("pattern runs past row 63 at '" + token + "'");
        if (token != ".") {
            Cell cell;
            if (!ParseCell(token, &cell)) return false;
            int* out = &cells_->At(pattern_, track_, cursor_, 0);
            out[0] = cell.note;
            out[1] = cell.volume;
            out[2] = cell.effect;
            out[3] = cell.amount;
        }
        cursor_ += step_;
        return true;
    }

    bool ParseNote(const std::string& s, int* note) {
        if (s.empty() || s == "---") return true;
        if (kTrackInfo[track_].referenceOctave == 0) {
            for (const DrumName& d : kDrums)
                if (s == d.name) return (*note = d.note), true;
            return Fail("unknown drum '" + s + "'");
        }
        static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
        int octave = 0;
        if (s.size() != 3 || letter < 'A' || letter > 'G' || !ToInt(s.substr(2), &octave))
            return Fail("bad note '" + s + "' (expected e.g. C-4, F#3, Bb2)");
        int semitone = kSemitone[letter - 'A'];
        if (s[1] == '#') ++semitone;
        else if (s[1] == 'b') --semitone;
        else if (s[1] != '-') return Fail("bad accidental in '" + s + "'");
        int n = 13 + (octave - kTrackInfo[track_].referenceOctave) * 12 + semitone;
        if (n < 1 || n > 31) return Fail("note '" + s + "' is outside this instrument's range");
        *note = n;
        return true;
    }

    // note[:volume[:effect[:amount]]], or ~ (volume again), off (volume 31), _ (empty the cell).
    bool ParseCell(const std::string& token, Cell* cell) {
        if (token == "_") return true;
        if (token == "~") return (cell->volume = lastVolume_), true;
        if (token == "off") return (cell->volume = 31), true;
        std::string fields[4];
        std::istringstream parts(token);
        for (int i = 0; i < 4 && std::getline(parts, fields[i], ':');) ++i;
        if (!ParseNote(fields[0], &cell->note)) return false;
        if (!fields[1].empty()) {
            if (!ToInt(fields[1], &cell->volume) || cell->volume > 31) return Fail("bad volume in '" + token + "'");
        } else if (cell->note > 0) {
            cell->volume = volume_;
        }
        if (cell->volume > 0 && cell->volume < 31) lastVolume_ = cell->volume;
        if (!fields[2].empty() && !ToInt(fields[2], &cell->effect)) return Fail("bad effect in '" + token + "'");
        if (!fields[3].empty() && !ToInt(fields[3], &cell->amount)) return Fail("bad amount in '" + token + "'");
        if (cell->effect > 31 || cell->amount > 31) return Fail("effect and amount run from 0 to 31");
        return true;
    }

    TuneCells* cells_;
    int lineNumber_ = 0;
    std::string error_;
    int trackVolume_[kNamedTracks];
    int track_ = -1;
    int pattern_ = 0;
    int cursor_ = 0;
    int step_ = 4;
    int volume_ = 24;
    int lastVolume_ = 24;
};

}  // namespace

ParseResult ParseTune(const std::string& text, TuneCells* cells) { return Parser(cells).Run(text); }

}  // namespace tunes
