// Crash safety of saves: a helper saves the state string in a loop and is killed with SIGKILL at random moments,
// hundreds of times in a row, each run continuing from what the last one left. After every kill ".marmostate" must
// hold exactly the bytes of the last generation saved completely or of the one being saved, never anything else.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "tests/reliability/helpers/save_generation.h"

namespace {

struct Progress {
    int begun = -1;
    int done = -1;
};

// The last "b n" and "d n" lines the helper wrote before it died.
Progress ReadProgress(int fd, char first) {
    std::string text(first ? 1 : 0, first);
    char block[4096];
    for (ssize_t n; (n = read(fd, block, sizeof block)) > 0;) text.append(block, static_cast<std::size_t>(n));
    Progress p;
    std::istringstream lines(text);
    char what = 0;
    int n = 0;
    while (lines >> what >> n) (what == 'b' ? p.begun : p.done) = n;
    return p;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Starts the helper in the folder, continuing after generation `last`; its standard error comes back on the pipe.
pid_t StartSaving(const std::string& folder, int last, int* readEnd) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const std::string generation = std::to_string(last);
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(5);
        dup2(fds[1], 2);
        close(fds[0]);
        close(fds[1]);
        execl(SKARNFELL_SAVE_LOOP, "save_loop", generation.c_str(), static_cast<char*>(nullptr));
        _exit(6);
    }
    close(fds[1]);
    *readEnd = fds[0];
    return pid;
}

class SaveCrash : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/skarnfell-savecrash-XXXXXX";
        folder = mkdtemp(name);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string folder;
    MyApp app;
};

TEST_F(SaveCrash, KilledAtRandomMomentsTheFileIsAlwaysTheOldOrTheNewState) {
    const std::string stateFile = folder + "/.marmostate";
    int generation = 0;
    reliability::FillGeneration(app, generation);
    ASSERT_EQ(statefile::SaveStateFile(app.StateString(), stateFile.c_str()), 0);

    std::mt19937 random(20260811);
    std::uniform_int_distribution<int> delayMicros(0, 4000);
    const int kTrials = 250;
    int midSave = 0, tookNew = 0;
    for (int trial = 0; trial < kTrials; ++trial) {
        int readEnd = -1;
        pid_t pid = StartSaving(folder, generation, &readEnd);
        ASSERT_GT(pid, 0);
        // Kill only once saving has begun: starting the program takes longer than a save.
        char first = 0;
        if (read(readEnd, &first, 1) != 1) first = 0;
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        const Progress p = ReadProgress(readEnd, first);
        close(readEnd);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the helper ended on its own with status " << status;

        const int lastDone = p.done >= 0 ? p.done : generation;
        const std::string bytes = FileBytes(stateFile);
        const bool isOld = bytes == reliability::GenerationBytes(app, lastDone);
        const bool isNew = p.begun > lastDone && bytes == reliability::GenerationBytes(app, p.begun);
        ASSERT_TRUE(isOld || isNew) << "trial " << trial << ": after save " << lastDone << " was done and "
                                    << p.begun << " begun the file holds " << bytes.size() << " bytes:\n"
                                    << bytes;
        midSave += p.begun > lastDone;
        tookNew += isNew;
        generation = isNew ? p.begun : lastDone;
    }
    // The loaded state is whole too: every block passes its checksum and restores the generation.
    MyApp loaded;
    loaded.RestoreState(statefile::LoadStateFile(stateFile.c_str()));
    reliability::FillGeneration(app, generation);
    EXPECT_EQ(loaded.settings, app.settings);
    EXPECT_EQ(loaded.badges, app.badges);
    EXPECT_EQ(loaded.scoreTables, app.scoreTables);

    std::printf("%d kills, %d during a save (%d of those left the new state), %d generations saved\n", kTrials,
                midSave, tookNew, generation);
    // Most kills must land inside a save, or the test proves nothing about interrupted saves.
    EXPECT_GE(midSave, kTrials / 4);
}

}  // namespace
