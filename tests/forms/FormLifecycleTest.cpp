// Loading on touch, unloading with its two questions, and what lives on after an unload.
#include "platform/forms/Forms.h"
#include "platform/forms/Testing.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qby;

namespace {

class BoxForm : public Form {
public:
    BoxForm() : Form("frmBOX") {}

    Label lblWordWas{this, "lblWordWas"};
    PictureBox picFRAME{this, "picFRAME"};
    Timer tmrANIM{this, "tmrANIM"};

    int loads = 0;
    int initializes = 0;
    int queryCancel = 0;
    int unloadCancel = 0;
    std::vector<std::string> log;
    std::vector<int> modes;
    std::string remembered;  // a form variable
    bool unloadAgainInQuery = false;
    bool unloadAgainInUnload = false;

protected:
    void Layout(Design& d) override
    {
        d.Window({.Caption = "Box", .BorderStyle = vbFixedDialog, .ShowInTaskbar = false,
                  .ClientWidth = 7695, .ClientHeight = 3735});
        d.Add(lblWordWas, {.Left = 135, .Top = 945, .Width = 7350, .Height = 825, .Caption = " Word Was"});
        d.Add(picFRAME, {.Left = 0, .Top = 0, .Width = 1500, .Height = 1500});
        d.Add(tmrANIM, {.Enabled = false, .Interval = 1000});
    }
    void Form_Initialize() override { ++initializes; }
    void Form_Load() override
    {
        ++loads;
        log.push_back("Load");
    }
    void Form_QueryUnload(int& Cancel, int UnloadMode) override
    {
        log.push_back("QueryUnload");
        modes.push_back(UnloadMode);
        if (unloadAgainInQuery)
            Unload();
        Cancel = queryCancel;
    }
    void Form_Unload(int& Cancel) override
    {
        log.push_back("Unload");
        if (unloadAgainInUnload)
            Unload();
        Cancel = unloadCancel;
    }
};

TEST(FormLifecycle, TouchingAControlLoadsTheFormHiddenAndRunsItsLoadOnce)
{
    BoxForm box;
    EXPECT_FALSE(box.IsLoaded());
    box.remembered = "kept";  // form variables need no load
    EXPECT_FALSE(box.IsLoaded());

    box.lblWordWas.Caption("You have found Apple");
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_FALSE(test::IsShownOnScreen(box));
    EXPECT_EQ(box.loads, 1);
    EXPECT_EQ(box.initializes, 1);

    // Further touches use the loaded window.
    EXPECT_EQ(box.lblWordWas.Caption(), "You have found Apple");
    box.tmrANIM.Enabled(true);
    EXPECT_EQ(box.loads, 1);
    box.Unload();
}

TEST(FormLifecycle, UnloadDestroysControlsButKeepsFormVariables)
{
    BoxForm box;
    box.remembered = "run of 7";
    box.lblWordWas.Caption("changed");
    const HWND formWindow = box.hWnd();
    const HWND boxWindow = box.picFRAME.hWnd();
    ASSERT_NE(formWindow, 0);
    ASSERT_NE(boxWindow, 0);
    EXPECT_TRUE(IsWindow(boxWindow));

    box.Unload();
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_FALSE(box.lblWordWas.IsLive());
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(boxWindow));
    EXPECT_EQ(box.remembered, "run of 7");

    // The next touch loads a fresh window from the design, with new handles.
    EXPECT_EQ(box.lblWordWas.Caption(), " Word Was");
    EXPECT_EQ(box.loads, 2);
    EXPECT_EQ(box.initializes, 1);
    EXPECT_NE(box.hWnd(), formWindow);
    box.Unload();
}

TEST(FormLifecycle, QueryUnloadAndUnloadMayEachCancel)
{
    BoxForm box;
    box.Load();
    box.queryCancel = 1;
    box.Unload();
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_EQ(box.log, (std::vector<std::string>{"Load", "QueryUnload"}));

    box.queryCancel = 0;
    box.unloadCancel = 1;
    box.Unload();
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_EQ(box.log.back(), "Unload");

    box.unloadCancel = 0;
    box.log.clear();
    box.Unload();
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_EQ(box.log, (std::vector<std::string>{"QueryUnload", "Unload"}));
    EXPECT_EQ(box.modes, (std::vector<int>{vbFormCode, vbFormCode, vbFormCode}));
}

TEST(FormLifecycle, AnUnloadRequestedWhileUnloadingEndsTheWindowExactlyOnce)
{
    BoxForm box;
    box.unloadAgainInQuery = true;
    box.unloadAgainInUnload = true;
    box.Load();
    box.Unload();
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_EQ(box.log, (std::vector<std::string>{"Load", "QueryUnload", "Unload"}));
}

TEST(FormLifecycle, TheCloseBoxAsksWithItsOwnReasonAndCanBeRefused)
{
    BoxForm box;
    box.Show();
    ASSERT_TRUE(test::IsShownOnScreen(box));
    box.queryCancel = 1;
    test::RequestClose(box);
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_TRUE(test::IsShownOnScreen(box));

    box.queryCancel = 0;
    test::RequestClose(box);
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_EQ(box.modes, (std::vector<int>{vbFormControlMenu, vbFormControlMenu}));
}

class Menu : public Form {
public:
    Menu() : Form("frmMENU") {}
    int initializes = 0;

protected:
    void Form_Initialize() override { ++initializes; }
};

TEST(FormLifecycle, TheDefaultInstanceIsMadeOnFirstUseAndInitializesOnce)
{
    DefaultInstance<Menu> frmMENU;
    EXPECT_FALSE(frmMENU.Exists());
    frmMENU->Show();
    EXPECT_TRUE(frmMENU.Exists());
    frmMENU->Unload();
    frmMENU->Show();
    EXPECT_EQ(frmMENU->initializes, 1);
    frmMENU->Unload();
}

TEST(FormLifecycle, HidingAnUnloadedFormLoadsItWithoutShowingIt)
{
    BoxForm box;
    box.Hide();
    EXPECT_TRUE(box.IsLoaded());
    EXPECT_EQ(box.loads, 1);
    EXPECT_FALSE(box.Visible());
    box.Unload();
}

}  // namespace
