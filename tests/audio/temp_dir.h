#pragma once
// A scratch folder per test, removed afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/text.h"

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "skarnfell-audio-XXXXXX").string();
        root_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() {
        std::error_code ec;
        if (!root_.empty()) std::filesystem::remove_all(root_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes bytes to a file under the folder (creating sub-folders) and returns its full path.
    String Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path p = Path(name);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return FromAscii(p.string());
    }
    std::string Path(const std::string& name) const { return root_ + "/" + name; }

private:
    std::string root_;
};
