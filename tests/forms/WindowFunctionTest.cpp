// The window functions: rectangles, placement, capture and window procedure chains.
#include "platform/forms/Forms.h"
#include "platform/forms/Testing.h"
#include "platform/user/Memory.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qby;

namespace {

struct MoveSeen {
    int button;
    float x;
    float y;
};

class Surface : public Form {
public:
    Surface() : Form("frmSURFACE")
    {
        picImage1.MouseMove.Handle([this](int b, int, float x, float y) { boxMoves.push_back({b, x, y}); });
    }
    PictureBox picImage1{this, "picImage1"};
    std::vector<MoveSeen> boxMoves;
    std::vector<MoveSeen> formMoves;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .Left = 1500, .Top = 1500, .ClientWidth = 4500, .ClientHeight = 3000});
        d.Add(picImage1, {.Left = 1500, .Top = 750, .Width = 2100, .Height = 585, .BorderStyle = 0,
                          .ScaleMode = vbPixels});
    }
    void Form_MouseMove(int Button, int, float X, float Y) override { formMoves.push_back({Button, X, Y}); }
};

class Tip : public Form {
public:
    Tip() : Form("frmTIP") {}

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ShowInTaskbar = false, .ClientWidth = 1200, .ClientHeight = 300});
    }
};

TEST(WindowFunctions, GetWindowRectOfAStaleHandleFailsWithAnAllZeroRectangle)
{
    Surface form;
    form.Show();
    const HWND box = form.picImage1.hWnd();
    RECT rect;
    ASSERT_TRUE(GetWindowRect(box, &rect));
    const test::ScreenRect onScreen = test::RectOnScreen(form.picImage1);
    EXPECT_EQ(rect.left, onScreen.left);
    EXPECT_EQ(rect.top, onScreen.top);
    EXPECT_EQ(rect.right - rect.left, 140);
    EXPECT_EQ(rect.bottom - rect.top, 39);

    form.Unload();
    rect = RECT{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(box, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 0);
    EXPECT_EQ(rect.bottom, 0);
    EXPECT_FALSE(GetWindowRect(0, &rect));
    EXPECT_FALSE(SetWindowPos(box, HWND_TOP, 0, 0, 10, 10, 0));
}

TEST(WindowFunctions, TheCapturingWindowKeepsGettingMovesAfterThePointerLeftIt)
{
    Surface form;
    form.Show();
    test::MouseMove(form.picImage1, 10, 10);
    ASSERT_EQ(form.boxMoves.size(), 1u);
    EXPECT_EQ(form.boxMoves[0].x, 10);

    SetCapture(form.picImage1.hWnd());
    EXPECT_EQ(GetCapture(), form.picImage1.hWnd());
    test::MouseMove(form, 5, 5);  // over the form, outside the box
    test::MouseMoveOnScreen(2, 2);  // outside every window
    ASSERT_EQ(form.boxMoves.size(), 3u);
    EXPECT_EQ(form.boxMoves[1].x, 5 - 100);  // the box lies at 100, 50 of the form
    EXPECT_EQ(form.boxMoves[1].y, 5 - 50);
    EXPECT_LT(form.boxMoves[2].x, 0);
    EXPECT_TRUE(form.formMoves.empty());

    ReleaseCapture();
    EXPECT_EQ(GetCapture(), 0);
    test::MouseMove(form, 6, 6);
    EXPECT_EQ(form.boxMoves.size(), 3u);
    ASSERT_EQ(form.formMoves.size(), 1u);
    EXPECT_EQ(form.formMoves[0].x, 6 * 15);  // the form's scale is twips
    form.Unload();
}

TEST(WindowFunctions, CaptureEndsWithTheCapturingWindow)
{
    Surface form;
    form.Show();
    const HWND box = form.picImage1.hWnd();
    EXPECT_EQ(SetCapture(box), 0);
    EXPECT_EQ(SetCapture(box), box);
    form.Unload();
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_EQ(SetCapture(box), 0);  // a stale handle takes nothing
    EXPECT_EQ(GetCapture(), 0);
}

TEST(WindowFunctions, SetWindowPosShowsATipOnTopWithoutTakingTheFocus)
{
    Surface owner;
    owner.Show();
    Tip tip;
    tip.Move(3000, 4500, 1200, 300);
    EXPECT_FALSE(tip.Visible());
    ASSERT_TRUE(SetWindowPos(tip.hWnd(), HWND_TOPMOST, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW));
    EXPECT_TRUE(tip.Visible());
    EXPECT_TRUE(test::IsTopMost(tip));
    EXPECT_FALSE(test::IsInTaskbar(tip));
    EXPECT_FALSE(test::HasFrame(tip));
    RECT rect;
    ASSERT_TRUE(GetWindowRect(tip.hWnd(), &rect));
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 300);
    EXPECT_EQ(rect.right, 280);
    EXPECT_EQ(rect.bottom, 320);

    SetWindowPos(tip.hWnd(), HWND_NOTOPMOST, 10, 20, 50, 30, SWP_NOACTIVATE);
    EXPECT_FALSE(test::IsTopMost(tip));
    EXPECT_EQ(tip.Left(), 150);
    EXPECT_EQ(tip.Width(), 750);
    SetWindowPos(tip.hWnd(), 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW);
    EXPECT_FALSE(tip.Visible());
    tip.Unload();
    owner.Unload();
}

TEST(WindowFunctions, GetCursorPosFollowsThePointer)
{
    Surface form;
    form.Show();
    test::MouseMove(form.picImage1, 7, 8);
    POINT point;
    ASSERT_TRUE(GetCursorPos(&point));
    const test::ScreenRect box = test::RectOnScreen(form.picImage1);
    EXPECT_EQ(point.x, box.left + 7);
    EXPECT_EQ(point.y, box.top + 8);
    form.Unload();
}

// A window procedure that answers the size query with fixed limits, as a size-lock control does.
std::vector<UINT> g_messages;
LONG g_previous = 0;

LRESULT sizeLockProcedure(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    g_messages.push_back(msg);
    if (msg == WM_GETMINMAXINFO) {
        MINMAXINFO info;
        RtlMoveMemory(&info, reinterpret_cast<const void*>(lParam), sizeof info);
        info.ptMinTrackSize = POINT{675, 585};
        info.ptMaxTrackSize = POINT{675, 590};
        RtlMoveMemory(reinterpret_cast<void*>(lParam), &info, sizeof info);
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        // Put the earlier procedure back while the window still exists.
        EXPECT_NE(SetWindowLongA(hWnd, GWL_WNDPROC, g_previous), 0);
    }
    return CallWindowProcA(g_previous, hWnd, msg, wParam, lParam);
}

class MainFrame : public Form {
public:
    MainFrame() : Form("frmFRAME") {}

protected:
    void Layout(Design& d) override
    {
        d.Window({.Caption = "Quillby", .ClientWidth = 10050, .ClientHeight = 8400});
    }
};

TEST(WindowProcedures, AHookedProcedureAnswersTheSizeQueryAndGetsTheLastMessage)
{
    g_messages.clear();
    MainFrame frame;
    frame.Load();
    const HWND window = frame.hWnd();
    const LONG original = GetWindowLongA(window, GWL_WNDPROC);
    ASSERT_NE(original, 0);
    g_previous = SetWindowLongA(window, GWL_WNDPROC, AddressOf(sizeLockProcedure));
    EXPECT_EQ(g_previous, original);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), AddressOf(sizeLockProcedure));

    frame.Show();
    ASSERT_FALSE(g_messages.empty());
    EXPECT_EQ(g_messages.front(), WM_GETMINMAXINFO);
    frame.Width(800 * 15);
    frame.Height(800 * 15);
    EXPECT_EQ(frame.Width(), 675 * 15);
    EXPECT_EQ(frame.Height(), 590 * 15);
    frame.Height(100 * 15);
    EXPECT_EQ(frame.Height(), 585 * 15);

    g_messages.clear();
    frame.Unload();
    ASSERT_FALSE(g_messages.empty());
    EXPECT_EQ(g_messages.back(), WM_NCDESTROY);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), 0);  // the handle is gone
}

TEST(WindowProcedures, UnknownAddressesAndHandlesAreRefused)
{
    MainFrame frame;
    frame.Load();
    const HWND window = frame.hWnd();
    const LONG current = GetWindowLongA(window, GWL_WNDPROC);
    EXPECT_EQ(SetWindowLongA(window, GWL_WNDPROC, 12345), 0);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), current);
    EXPECT_EQ(GetWindowLongA(window, -16), 0);
    EXPECT_EQ(CallWindowProcA(0, window, WM_GETMINMAXINFO, 0, 0), 0);
    EXPECT_EQ(SendMessageA(0, WM_GETMINMAXINFO, 0, 0), 0);
    EXPECT_EQ(AddressOf(sizeLockProcedure), AddressOf(sizeLockProcedure));
    frame.Unload();
}

}  // namespace
