// The random generator's exact sequence and the runtime error report's exits.
#include <gtest/gtest.h>

#include <unistd.h>

#include <csignal>
#include <string>

#include "app/random.h"
#include "app/runtime.h"
#include "app/text.h"

TEST(Random, FirstDrawFromTheStartSeed) {
    rng::Seed = 1234;
    float r = rng::Rnd();
    EXPECT_EQ(rng::Seed, 3067928073u);
    EXPECT_EQ(r, 11984094.0f / 16777216.0f);
}

TEST(Random, RangesScaleTheSameDraw) {
    rng::Seed = 1234;
    float r = rng::Rnd();
    rng::Seed = 1234;
    EXPECT_FLOAT_EQ(rng::Rnd(10.0f), r * 10.0f);
    rng::Seed = 1234;
    EXPECT_FLOAT_EQ(rng::Rnd(-5.0f, 5.0f), -5.0f + 10.0f * r);
}

TEST(RuntimeError, EmptyMessageEndsQuietly) {
    EXPECT_EXIT(Error(String()), ::testing::ExitedWithCode(0), "");
}

TEST(RuntimeError, MessageIsReportedAndEndsWithMinusOne) {
    EXPECT_EXIT(
        {
            std::freopen("/dev/null", "r", stdin);
            dup2(STDERR_FILENO, STDOUT_FILENO);  // the report goes to standard output; the death test reads stderr
            Error(u"Image frame outside surface");
        },
        ::testing::ExitedWithCode(255), "Marmo Runtime Error : Image frame outside surface");
}

TEST(RuntimeError, CrashSignalsNameTheirCause) {
    struct Case {
        int signal;
        const char* message;
    };
    for (Case c : {Case{SIGSEGV, "Memory access violation"}, Case{SIGILL, "Illegal instruction"},
                   Case{SIGFPE, "Floating point exception"}, Case{SIGTERM, "Unknown signal"}}) {
        EXPECT_EXIT(
            {
                std::freopen("/dev/null", "r", stdin);
                dup2(STDERR_FILENO, STDOUT_FILENO);
                sighandler(c.signal);
            },
            ::testing::ExitedWithCode(255), std::string("Marmo Runtime Error : ") + c.message);
    }
}

TEST(Text, FloatsAndSplitting) {
    EXPECT_EQ(FloatToString(2.0f), u"2.0");
    EXPECT_EQ(FloatToString(0.5f), u"0.5");
    EXPECT_EQ(IntToString(-42), u"-42");
    auto pieces = Split(u"1|2||", u"|");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0], u"1");
    EXPECT_EQ(pieces[2], u"");
    EXPECT_EQ(pieces[3], u"");
    EXPECT_EQ(Split(String(), u"|").size(), 1u);
}
