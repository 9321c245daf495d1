// Random picks with a generator under the test's control, the minute count, and the sound's file test.
#include <gtest/gtest.h>

#include <vector>

#include "changer/collection/shelf.h"
#include "changer/desktop/change_rules.h"

namespace {

using namespace dek;

// A shelf of `count` items and a generator that hands out the given values in turn.
struct Picks {
    Picks(int count, std::vector<double> draws) : values(std::move(draws)) {
        std::vector<std::wstring> names;
        for (int i = 0; i < count; ++i) names.push_back(L"item" + std::to_wstring(i));
        shelf.Fill(names);
    }
    int Next() { return shelf.PickAtRandom([&] { return values.at(draws++); }).value_or(-1); }
    Shelf shelf;
    std::vector<double> values;
    size_t draws = 0;
};

TEST(RandomPick, TakesTheWholePartOfRTimesCountNeverThePlaceBeforeAndSelectsIt) {
    // The first pick of a run counts place 0 as the one before: 0.0 and 0.24 are drawn again.
    Picks p(4, {0.0, 0.24, 0.25, 0.99999, 1.0, 0.5});
    EXPECT_EQ(p.Next(), 1);
    EXPECT_EQ(p.draws, 3u);
    EXPECT_EQ(p.shelf.Selected(), L"item1");
    EXPECT_EQ(p.Next(), 3);
    EXPECT_EQ(p.Next(), 2);  // a generator that reaches 1.0 after the last place stays in the list
    EXPECT_EQ(p.shelf.SelectedIndex(), 2);
}

TEST(RandomPick, TwoEntriesAlternateOneIsTakenAtOnceAndAnEmptyShelfGivesNothing) {
    Picks two(2, {0.0, 0.3, 0.49, 0.9, 0.1, 0.2, 0.7});
    std::vector<int> picks;
    for (int i = 0; i < 3; ++i) picks.push_back(two.Next());
    EXPECT_EQ(picks, (std::vector<int>{1, 0, 1}));
    Picks one(1, {0.5, 0.5});
    EXPECT_EQ(one.Next(), 0);
    EXPECT_EQ(one.Next(), 0);
    EXPECT_EQ(one.draws, 2u);
    Picks none(0, {});
    EXPECT_EQ(none.Next(), -1);
    EXPECT_EQ(none.shelf.Selected(), L"");
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
