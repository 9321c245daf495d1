// Random picks with a generator under the test's control, the minute count, and the sound's file test.
#include <gtest/gtest.h>

#include <vector>

#include "changer/desktop/change_rules.h"

namespace {

using namespace dek;

// Hands out the given values in turn and counts the draws.
struct FakeGenerator {
    std::vector<double> values;
    size_t draws = 0;
    double operator()() { return values.at(draws++); }
};

int Pick(int count, int last, FakeGenerator& generator) {
    return PickIndex(count, last, [&] { return generator(); });
}

TEST(RandomPick, TakesTheWholePartOfRTimesCount) {
    FakeGenerator g{{0.0, 0.24, 0.25, 0.99999}};
    EXPECT_EQ(Pick(4, -1, g), 0);
    EXPECT_EQ(Pick(4, -1, g), 0);
    EXPECT_EQ(Pick(4, -1, g), 1);
    EXPECT_EQ(Pick(4, -1, g), 3);
}

TEST(RandomPick, NeverTheIndexTakenBefore) {
    // Draws that would repeat the last index are drawn again.
    FakeGenerator g{{0.1, 0.4, 0.7}};
    EXPECT_EQ(Pick(3, 0, g), 1);
    EXPECT_EQ(g.draws, 2u);
    // The first change of a run starts from index 0: with two entries it always takes entry 1.
    FakeGenerator first{{0.0, 0.3, 0.49, 0.5}};
    EXPECT_EQ(Pick(2, 0, first), 1);
    EXPECT_EQ(first.draws, 4u);
}

TEST(RandomPick, OneEntryIsTakenAtTheFirstDraw) {
    FakeGenerator g{{0.5}};
    EXPECT_EQ(Pick(1, 0, g), 0);
    EXPECT_EQ(g.draws, 1u);
}

TEST(RandomPick, TwoEntriesAlternate) {
    FakeGenerator g{{0.9, 0.1, 0.2, 0.7, 0.6, 0.05}};
    int last = 0;
    std::vector<int> picks;
    for (int i = 0; i < 3; ++i) picks.push_back(last = Pick(2, last, g));
    EXPECT_EQ(picks, (std::vector<int>{1, 0, 1}));
}

TEST(RandomPick, AGeneratorThatReachesOneStaysInTheList) {
    FakeGenerator g{{1.0}};
    EXPECT_EQ(Pick(3, -1, g), 2);
}

TEST(MinuteCount, TheChangeComesAtTheIntervalThenTheCountStartsAgain) {
    int16_t count = 0;
    std::vector<int> due;
    for (int tick = 1; tick <= 7; ++tick) {
        if (CountMinute(count, 3)) {
            due.push_back(tick);
            count = 0;  // the caller's reset after its change
        }
    }
    EXPECT_EQ(due, (std::vector<int>{3, 6}));
    EXPECT_EQ(count, 1);
}

TEST(MinuteCount, ALoweredIntervalComesDueAtTheNextTick) {
    int16_t count = 0;
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(CountMinute(count, 60));
    EXPECT_TRUE(CountMinute(count, 5));
    EXPECT_EQ(count, 11);
}

TEST(MinuteCount, AnIntervalBelowOneNeverComesDueAndTheCountDoesNotWrap) {
    int16_t count = 32766;
    EXPECT_FALSE(CountMinute(count, 0));
    EXPECT_FALSE(CountMinute(count, -5));
    EXPECT_FALSE(CountMinute(count, -5));
    EXPECT_EQ(count, 32767);
    EXPECT_TRUE(CountMinute(count, 32767));
}

TEST(ChangeSound, OnlyARiffWaveFileIsPlayedAsItIs) {
    EXPECT_TRUE(IsWaveHeader(std::string_view("RIFF\x24\0\0\0WAVEfmt ", 16)));
    EXPECT_FALSE(IsWaveHeader(std::string_view("RIFF\x24\0\0\0AVI LIST", 16)));
    EXPECT_FALSE(IsWaveHeader("BM6\0\0"));
    EXPECT_FALSE(IsWaveHeader("RIFF"));
    EXPECT_FALSE(IsWaveHeader(""));
}

}  // namespace
