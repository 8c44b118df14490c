#pragma once
// Runs a file test inside a fresh temporary folder as the current directory, and removes it afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        char pattern[] = "/tmp/skarnfell-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

    static void WriteBytes(const std::string& name, const std::string& bytes) {
        std::filesystem::path path(name);
        if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
        std::ofstream(name, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const std::string& name) {
        std::ifstream file(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // Every name in the scratch folder, sorted.
    std::string Listing() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) names.insert(entry.path().filename());
        std::string out;
        for (const auto& name : names) out += name + " ";
        return out;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};
