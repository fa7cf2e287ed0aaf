// Modal windows: nested loops that return in order, hiding ends a loop, re-entry (a programming
// error), End.
#include "platform/forms/Forms.h"
#include "platform/forms/TestClock.h"
#include "platform/forms/Testing.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace qby;

namespace {

std::vector<std::string> g_log;

class Dialog : public Form {
public:
    explicit Dialog(std::string name) : Form(std::move(name)) {}
    std::function<void()> onLoad;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbFixedDialog, .ShowInTaskbar = false, .StartUpPosition = vbStartUpScreen,
                  .ClientWidth = 4500, .ClientHeight = 3000});
    }
    void Form_Load() override
    {
        g_log.push_back(Name() + " load");
        if (onLoad)
            onLoad();
    }
    void Form_Unload(int&) override { g_log.push_back(Name() + " unload"); }
};

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        SetProgrammingErrorHandler([this](const std::string& description) { errors.push_back(description); });
    }
    void TearDown() override
    {
        test::OnModalShown(nullptr);
        SetProgrammingErrorHandler(nullptr);
    }
    std::vector<std::string> errors;  // programming errors reported
};

TEST_F(ModalTest, NestedModalWindowsReturnInOrder)
{
    Dialog owner("frmMAIN");
    Dialog first("frmA");
    Dialog second("frmB");
    owner.Show();
    int modalsSeen = 0;
    test::OnModalShown([&](Form& shown) {
        ++modalsSeen;
        g_log.push_back(shown.Name() + " shown");
        if (&shown == &first) {
            // A opens B modally; the call returns only when B has gone.
            second.Show(vbModal, owner);
            g_log.push_back("A resumes");
            EXPECT_TRUE(first.IsModal());
            first.Unload();
        } else {
            second.Unload();
        }
    });
    first.Show(vbModal, owner);
    g_log.push_back("caller resumes");
    EXPECT_EQ(modalsSeen, 2);
    EXPECT_EQ(g_log, (std::vector<std::string>{"frmMAIN load", "frmA load", "frmA shown", "frmB load",
                                               "frmB shown", "frmB unload", "A resumes", "frmA unload",
                                               "caller resumes"}));
    EXPECT_FALSE(first.IsModal());
    owner.Unload();
}

TEST_F(ModalTest, AModalWindowTakesTheCaptureFromTheWindowsItDisables)
{
    class Menu : public Form {
    public:
        Menu() : Form("frmMENU") {}
        PictureBox picButton{this, "picButton"};

    protected:
        void Layout(Design& d) override { d.Add(picButton, {.Width = 2100, .Height = 585}); }
    } menu;
    Dialog box("frmABOUT");
    menu.Show();
    SetCapture(menu.picButton.hWnd());
    HWND heldWhileModal = -1;
    test::OnModalShown([&](Form& shown) {
        heldWhileModal = GetCapture();
        shown.Unload();
    });
    box.Show(vbModal, menu);
    EXPECT_EQ(heldWhileModal, 0);

    SetCapture(menu.picButton.hWnd());
    menu.Enabled(false);
    EXPECT_EQ(GetCapture(), 0);
    menu.Unload();
}

TEST_F(ModalTest, HidingAModalWindowEndsItsLoopAndKeepsItLoaded)
{
    Dialog box("frmBOX");
    test::OnModalShown([&](Form& shown) { shown.Hide(); });
    box.Show(vbModal);
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_FALSE(box.Visible());
    box.Unload();
}

TEST_F(ModalTest, ShowingAModalWindowModalAgainDoesNothing)
{
    Dialog box("frmBOX");
    int shows = 0;
    test::OnModalShown([&](Form& shown) {
        ++shows;
        shown.Show(vbModal);  // already modal: returns at once
        shown.Unload();
    });
    box.Show(vbModal);
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(box.IsLoaded());
}

TEST_F(ModalTest, ASecondModalShowOfAModalWindowIsReportedAndRefused)
{
    Dialog box("frmBOX");
    Dialog other("frmOTHER");
    Dialog onScreen("frmMENU");
    onScreen.Show();
    test::OnModalShown([&](Form& shown) {
        if (&shown != &box) {
            shown.Unload();
            return;
        }
        // A modal Show of another window, or of a window shown modeless, is no error.
        other.Show(vbModal);
        onScreen.Show(vbModal);
        EXPECT_TRUE(errors.empty());
        box.Show(vbModal);  // returns at once; the first loop goes on
        EXPECT_EQ(errors.size(), 1u);
        EXPECT_TRUE(box.IsModal());
        g_log.push_back("loop goes on");
        box.Unload();
    });
    box.Show(vbModal);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("frmBOX"), std::string::npos);
    EXPECT_EQ(g_log, (std::vector<std::string>{"frmMENU load", "frmBOX load", "frmOTHER load", "frmOTHER unload",
                                               "loop goes on", "frmBOX unload"}));
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_TRUE(onScreen.IsLoaded());
    onScreen.Unload();
}

TEST_F(ModalTest, AWindowThatUnloadsItselfWhileLoadingIsNotWaitedFor)
{
    Dialog box("frmBOX");
    box.onLoad = [&] { box.Unload(); };
    bool hookRan = false;
    test::OnModalShown([&](Form&) { hookRan = true; });
    box.Show(vbModal);
    EXPECT_FALSE(hookRan);
    EXPECT_FALSE(box.IsLoaded());
}

TEST_F(ModalTest, TimersOfTheWindowBehindFireInsideTheModalLoop)
{
    ScopedTestClock clock;
    class Lesson : public Form {
    public:
        Lesson() : Form("frmLESSON") { tmrTimer1.Tick.Handle([this] { spoken.push_back(TestClock::Now()); }); }
        Timer tmrTimer1{this, "tmrTimer1"};
        std::vector<std::int64_t> spoken;

    protected:
        void Layout(Design& d) override { d.Add(tmrTimer1, {.Enabled = false, .Interval = 200}); }
    } lesson;
    Dialog box("frmMSGCRECT");
    lesson.tmrTimer1.Enabled(true);
    test::OnModalShown([&](Form& shown) {
        TestClock::Advance(199);
        EXPECT_TRUE(lesson.spoken.empty());
        TestClock::Advance(1);
        shown.Unload();
    });
    box.Show(vbModal);
    EXPECT_EQ(lesson.spoken, (std::vector<std::int64_t>{200}));
    lesson.Unload();
}

TEST_F(ModalTest, EndReturnsFromEveryLoopAndRunsNoFurtherHandlers)
{
    Dialog first("frmA");
    Dialog second("frmB");
    test::OnModalShown([&](Form& shown) {
        if (&shown == &first)
            second.Show(vbModal);
        else
            End();
    });
    first.Show(vbModal);
    EXPECT_TRUE(IsEnding());
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_FALSE(second.IsLoaded());
    EXPECT_EQ(g_log, (std::vector<std::string>{"frmA load", "frmB load"}));
    // Nothing loads once the program is ending.
    first.Show();
    EXPECT_FALSE(first.IsLoaded());
    test::ResetAfterEnd();
}

}  // namespace
