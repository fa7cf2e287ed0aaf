// The main frame and its child windows: one child fills the client area at a time, and closing
// the frame asks and closes every child first.
#include "platform/forms/Forms.h"
#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qby;

namespace {

std::vector<std::string> g_log;

class Frame : public MDIForm {
public:
    Frame() : MDIForm("mdiMAIN") {}
    int queryCancel = 0;
    std::vector<int> modes;
    Form* showAtLoad = nullptr;  // the child its load shows, as the program's frame shows the menu

protected:
    void Layout(Design& d) override
    {
        d.Window({.Caption = "Quillby", .StartUpPosition = vbStartUpScreen, .ClientWidth = 10050,
                  .ClientHeight = 8400, .BackColor = vbApplicationWorkspace});
    }
    void MDIForm_Load() override
    {
        g_log.push_back("frame load");
        if (showAtLoad != nullptr)
            showAtLoad->Show();
    }
    void MDIForm_QueryUnload(int& Cancel, int UnloadMode) override
    {
        g_log.push_back("frame query");
        modes.push_back(UnloadMode);
        Cancel = queryCancel;
    }
    void MDIForm_Unload(int&) override { g_log.push_back("frame unload"); }
};

class Child : public Form {
public:
    explicit Child(std::string name) : Form(std::move(name)) {}
    int queryCancel = 0;
    int lastMode = -1;
    Child* showOnClose = nullptr;
    Form* frame = nullptr;
    bool frameOnScreenAtLoad = false;

protected:
    void Layout(Design& d) override
    {
        d.Window({.ControlBox = false, .WindowState = vbMaximized, .MDIChild = true, .ClientWidth = 10005,
                  .ClientHeight = 8265});
    }
    void Form_Load() override
    {
        g_log.push_back(Name() + " load");
        frameOnScreenAtLoad = frame != nullptr && test::IsShownOnScreen(*frame);
    }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override
    {
        g_log.push_back(Name() + " query");
        lastMode = UnloadMode;
        if (showOnClose != nullptr) {
            // An activity's exit: unload itself and show the menu again.
            Unload();
            showOnClose->Show();
        }
        Cancel = queryCancel;
    }
    void Form_Unload(int&) override { g_log.push_back(Name() + " unload"); }
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.clear(); }
    Frame frame;
    Child menu{"frmMENU"};
    Child lesson{"frmLESSON"};
};

TEST_F(MainFrameTest, ShowingAChildShowsTheFrameAndTheChildFillsItsClientArea)
{
    menu.Show();
    EXPECT_TRUE(frame.IsLoaded());
    EXPECT_TRUE(test::IsShownOnScreen(frame));
    EXPECT_EQ(g_log, (std::vector<std::string>{"frame load", "frmMENU load"}));
    const test::ScreenRect client = test::RectOnScreen(frame);
    const test::ScreenRect child = test::RectOnScreen(menu);
    EXPECT_EQ(child.left, client.left);
    EXPECT_EQ(child.top, client.top);
    EXPECT_EQ(child.width, 670);
    EXPECT_EQ(child.height, 560);
    EXPECT_FALSE(test::HasFrame(menu));
    EXPECT_EQ(frame.ActiveForm(), &menu);

    // The frame opens centred on the screen.
    const double screenWidth = Screen.Width();
    EXPECT_NEAR(frame.Left() + frame.Width() / 2, screenWidth / 2, 15);

    menu.Unload();
    lesson.Show();
    EXPECT_EQ(frame.ActiveForm(), &lesson);
    frame.Unload();
}

// As the program starts: the frame's load shows the menu, and the frame is on the screen before
// the menu is made and loaded; so is a hidden frame when a child loads.
TEST_F(MainFrameTest, TheFrameIsOnTheScreenBeforeAChildLoads)
{
    frame.showAtLoad = &menu;
    menu.frame = &frame;
    lesson.frame = &frame;
    frame.Show();
    EXPECT_TRUE(menu.frameOnScreenAtLoad);
    EXPECT_TRUE(test::IsShownOnScreen(menu));
    frame.Hide();
    ASSERT_FALSE(test::IsShownOnScreen(frame));
    lesson.Show();
    EXPECT_TRUE(lesson.frameOnScreenAtLoad);
    EXPECT_EQ(g_log, (std::vector<std::string>{"frame load", "frmMENU load", "frmLESSON load"}));
    frame.Unload();
}

TEST_F(MainFrameTest, ClosingTheFrameAsksEveryChildThenUnloadsThemAndTheFrame)
{
    lesson.Show();
    g_log.clear();
    frame.Unload();
    EXPECT_FALSE(frame.IsLoaded());
    EXPECT_FALSE(lesson.IsLoaded());
    EXPECT_EQ(lesson.lastMode, vbFormMDIForm);
    EXPECT_EQ(g_log, (std::vector<std::string>{"frame query", "frmLESSON query", "frmLESSON unload",
                                               "frame unload"}));
}

TEST_F(MainFrameTest, AChildThatRefusesKeepsEverythingOpen)
{
    lesson.Show();
    lesson.queryCancel = 1;
    test::RequestClose(frame);
    EXPECT_TRUE(frame.IsLoaded());
    EXPECT_TRUE(lesson.IsLoaded());
    EXPECT_EQ(frame.modes, (std::vector<int>{vbFormControlMenu}));
    lesson.queryCancel = 0;
    frame.Unload();
    EXPECT_FALSE(lesson.IsLoaded());
}

TEST_F(MainFrameTest, AChildThatShowsTheMenuWhileClosingStillEndsWithTheFrame)
{
    lesson.showOnClose = &menu;
    lesson.Show();
    g_log.clear();
    frame.Unload();
    EXPECT_FALSE(frame.IsLoaded());
    EXPECT_FALSE(lesson.IsLoaded());
    EXPECT_FALSE(menu.IsLoaded());
    EXPECT_EQ(g_log, (std::vector<std::string>{"frame query", "frmLESSON query", "frmMENU load",
                                               "frmLESSON unload", "frmMENU query", "frmMENU unload",
                                               "frame unload"}));
}

}  // namespace
