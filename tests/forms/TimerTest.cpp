// Timers on the test clock: exact intervals, restarts, and timers ending with their window.
#include "platform/forms/Forms.h"
#include "platform/forms/TestClock.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qby;

namespace {

class TipForm : public Form {
public:
    TipForm() : Form("frmTIP")
    {
        tmrSTART.Tick.Handle([this] {
            started.push_back(TestClock::Now());
            tmrSTART.Enabled(false);
        });
        tmrPARENT.Tick.Handle([this] { polls.push_back(TestClock::Now()); });
    }
    Timer tmrSTART{this, "tmrSTART"};
    Timer tmrPARENT{this, "tmrPARENT"};
    std::vector<std::int64_t> started;
    std::vector<std::int64_t> polls;

protected:
    void Layout(Design& d) override
    {
        d.Add(tmrSTART, {.Enabled = false, .Interval = 600});
        d.Add(tmrPARENT, {.Enabled = true, .Interval = 100});
    }
};

class TimerTest : public ::testing::Test {
protected:
    ScopedTestClock clock;
};

TEST_F(TimerTest, ATimerFiresAtEachFullIntervalOfTestTime)
{
    TipForm tip;
    tip.Load();
    TestClock::Advance(99);
    EXPECT_TRUE(tip.polls.empty());
    TestClock::Advance(1);
    TestClock::Advance(250);
    EXPECT_EQ(tip.polls, (std::vector<std::int64_t>{100, 200, 300}));
    tip.Unload();
}

TEST_F(TimerTest, DisablingAndEnablingStartsTheFullIntervalAgain)
{
    TipForm tip;
    tip.tmrSTART.Enabled(true);  // loads the form at time 0
    TestClock::Advance(500);
    tip.tmrSTART.Enabled(false);
    tip.tmrSTART.Enabled(true);  // restart at 500: due at 1100, not at 600
    TestClock::Advance(599);
    EXPECT_TRUE(tip.started.empty());
    TestClock::Advance(1);
    EXPECT_EQ(tip.started, (std::vector<std::int64_t>{1100}));
    // The handler disabled it: it stays quiet.
    TestClock::Advance(5000);
    EXPECT_EQ(tip.started.size(), 1u);
    tip.Unload();
}

TEST_F(TimerTest, SettingTheIntervalRestartsTheTimer)
{
    TipForm tip;
    tip.Load();
    TestClock::Advance(50);
    tip.tmrPARENT.Interval(4000);
    TestClock::Advance(3999);
    EXPECT_TRUE(tip.polls.empty());
    TestClock::Advance(1);
    EXPECT_EQ(tip.polls, (std::vector<std::int64_t>{4050}));
    tip.tmrPARENT.Interval(0);
    TestClock::Advance(10000);
    EXPECT_EQ(tip.polls.size(), 1u);
    tip.Unload();
}

TEST_F(TimerTest, TimersEndWithTheirWindowAndComeBackAsDesigned)
{
    TipForm tip;
    tip.tmrSTART.Enabled(true);
    TestClock::Advance(100);
    tip.Unload();
    TestClock::Advance(1000);
    EXPECT_TRUE(tip.started.empty());
    EXPECT_EQ(tip.polls, (std::vector<std::int64_t>{100}));

    // Reading a timer loads the window again with its design states.
    EXPECT_FALSE(tip.tmrSTART.Enabled());
    EXPECT_TRUE(tip.tmrPARENT.Enabled());
    TestClock::Advance(100);
    EXPECT_EQ(tip.polls, (std::vector<std::int64_t>{100, 1200}));
    tip.Unload();
}

TEST_F(TimerTest, TimersDueAtTheSameMomentFireInTheOrderTheyWereStarted)
{
    class Pair : public Form {
    public:
        Pair() : Form("frmPAIR")
        {
            tmrA.Tick.Handle([this] { order.push_back('A'); });
            tmrB.Tick.Handle([this] { order.push_back('B'); });
        }
        Timer tmrA{this, "tmrA"};
        Timer tmrB{this, "tmrB"};
        std::string order;

    protected:
        void Layout(Design& d) override
        {
            d.Add(tmrB, {.Enabled = true, .Interval = 200});
            d.Add(tmrA, {.Enabled = true, .Interval = 100});
        }
    } pair;
    pair.Load();
    TestClock::Advance(400);
    // 100: A; 200: B (waiting since 0), then A; 300: A; 400: B, then A.
    EXPECT_EQ(pair.order, "ABAABA");
    pair.Unload();
}

TEST_F(TimerTest, AHandlerThatUnloadsItsWindowStopsEveryTimerOfIt)
{
    TipForm tip;
    tip.tmrPARENT.Tick.Handle([&] {
        tip.polls.push_back(TestClock::Now());
        tip.Unload();
    });
    tip.tmrSTART.Enabled(true);
    TestClock::Advance(1000);
    EXPECT_EQ(tip.polls, (std::vector<std::int64_t>{100}));
    EXPECT_TRUE(tip.started.empty());
    EXPECT_FALSE(tip.IsLoaded());
}

}  // namespace
