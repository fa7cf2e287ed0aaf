// The shared tip window: its delay and display time on the test clock, where it stands, when it
// closes, and its members through the dispatch interface.
#include "ButtonFixture.h"

#include "platform/forms/Runtime.h"
#include "platform/user/Window.h"

#include <string>

using namespace buttontest;

namespace {

class Tooltip : public ButtonFixture {
protected:
    picbtn& button() { return form->btnpSTORED; }
    // Hovers the button and waits out the show delay.
    void ShowTipOver(picbtn& b, int x = 10, int y = 10)
    {
        Enter(b, x, y);
        qby::TestClock::Advance(600);
        ASSERT_TRUE(TipShown());
    }
    static qby::test::ScreenRect TipRect() { return qby::test::RectOnScreen(*frmTOOLTIP); }
};

}  // namespace

TEST_F(Tooltip, AppearsSixHundredMillisecondsAfterTheRequestBelowThePointer)
{
    Enter(button(), 10, 12);
    qby::TestClock::Advance(599);
    EXPECT_FALSE(TipShown());
    qby::TestClock::Advance(1);
    ASSERT_TRUE(TipShown());

    const auto at = qby::test::RectOnScreen(button());
    const auto tip = TipRect();
    EXPECT_EQ(tip.left, at.left + 10);
    EXPECT_EQ(tip.top, at.top + 12 + 19);
    // The label sits three pixels in, with the same margin right and below.
    EXPECT_DOUBLE_EQ(frmTOOLTIP->lblTIP.Left(), 45);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->lblTIP.Top(), 45);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Width(), frmTOOLTIP->lblTIP.Width() + 90);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Height(), frmTOOLTIP->lblTIP.Height() + 90);
    EXPECT_FALSE(qby::test::IsInTaskbar(*frmTOOLTIP));
    EXPECT_FALSE(qby::test::HasFrame(*frmTOOLTIP));
}

TEST_F(Tooltip, ShowsItsTextInTooltipColoursInsideAOnePixelFrame)
{
    ShowTipOver(button());
    const auto seen = qby::test::Grab(*frmTOOLTIP);
    const std::int64_t frame = qby::ColorToRgb(qby::vbWindowFrame);
    const std::int64_t back = qby::ColorToRgb(qby::vbInfoBackground);
    auto bgr = [](std::int64_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); };
    EXPECT_EQ(seen.Point(0, 0), bgr(frame));
    EXPECT_EQ(seen.Point(seen.width - 1, seen.height / 2), bgr(frame));
    EXPECT_EQ(seen.Point(seen.width / 2, seen.height - 1), bgr(frame));
    EXPECT_EQ(seen.Point(1, 1), bgr(back));
    // Some pixel of the text differs from the background.
    bool text = false;
    for (int x = 3; x < seen.width - 3 && !text; ++x)
        for (int y = 3; y < seen.height - 3 && !text; ++y)
            text = seen.Point(x, y) != bgr(back);
    EXPECT_TRUE(text);
}

TEST_F(Tooltip, HidesBetweenThreePointNineAndFourSecondsAfterAppearing)
{
    ShowTipOver(button());
    qby::TestClock::Advance(3899);
    EXPECT_TRUE(TipShown());
    qby::TestClock::Advance(101);
    EXPECT_FALSE(TipShown());
    EXPECT_TRUE(frmTOOLTIP->IsLoaded());  // hidden, not closed

    // A hidden tip shows again only through a new request.
    qby::TestClock::Advance(2000);
    EXPECT_FALSE(TipShown());
}

TEST_F(Tooltip, NewTextWhileShownRestartsTheDisplayTime)
{
    ShowTipOver(button());
    qby::TestClock::Advance(2000);
    frmTOOLTIP->Text("Longer");
    qby::TestClock::Advance(3999);
    EXPECT_TRUE(TipShown());
    qby::TestClock::Advance(1);
    EXPECT_FALSE(TipShown());
}

TEST_F(Tooltip, ShowTipWhileShownOrWithoutTextDoesNothing)
{
    ShowTipOver(button());
    qby::TestClock::Advance(1000);
    frmTOOLTIP->ShowTip();  // does not restart the display time
    qby::TestClock::Advance(3000);
    EXPECT_FALSE(TipShown());

    frmTOOLTIP->DestroyTip();
    frmTOOLTIP->CreateTip(Variant::Long(form->hWnd()));
    frmTOOLTIP->Text("");
    frmTOOLTIP->ShowTip();
    qby::TestClock::Advance(700);
    EXPECT_FALSE(TipShown());
    EXPECT_FALSE(frmTOOLTIP->tmrSTART.Enabled());
}

TEST_F(Tooltip, ClosesWhenThePointerLeavesTheOwnerWhoseRightAndBottomEdgesCountAsInside)
{
    ShowTipOver(button());
    qby::test::MouseMove(button(), 140, 39);  // the owner's right and bottom edge coordinates
    qby::TestClock::Advance(100);
    EXPECT_TRUE(TipShown());

    qby::test::MouseMove(button(), 141, 39);
    qby::TestClock::Advance(100);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(Tooltip, AWaitingTipFollowsThePointerAndClosesWhenItLeaves)
{
    Enter(button(), 10, 10);
    qby::TestClock::Advance(300);
    // The button is disarmed, so only the poll moves the tip to the pointer.
    qby::test::MouseMove(button(), 50, 20);
    qby::TestClock::Advance(100);
    const auto at = qby::test::RectOnScreen(button());
    EXPECT_EQ(TipRect().left, at.left + 50);
    EXPECT_EQ(TipRect().top, at.top + 20 + 19);

    MoveAway();
    qby::TestClock::Advance(100);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
    qby::TestClock::Advance(1000);
    EXPECT_FALSE(TipShown());
}

TEST_F(Tooltip, PointerOnTheTipTextClosesItAndClearsTheText)
{
    ShowTipOver(button(), 10, 20);
    const auto tip = TipRect();
    const int labelX = static_cast<int>(frmTOOLTIP->lblTIP.Left() / 15) + 2;
    const int labelY = static_cast<int>(frmTOOLTIP->lblTIP.Top() / 15) + 2;
    ASSERT_GT(tip.top + labelY, qby::test::RectOnScreen(button()).top + 39);  // below the button

    qby::test::MouseMoveOnScreen(tip.left + labelX, tip.top + labelY);      // the button lets go
    qby::test::MouseMoveOnScreen(tip.left + labelX + 1, tip.top + labelY);  // onto the text
    EXPECT_FALSE(TipShown());
    EXPECT_EQ(frmTOOLTIP->lblTIP.Caption(), "");
}

TEST_F(Tooltip, PointerOnTheTipBackgroundClosesIt)
{
    ShowTipOver(button(), 10, 30);
    const auto tip = TipRect();
    qby::test::MouseMoveOnScreen(tip.left + 1, tip.top + tip.height - 2);
    qby::test::MouseMoveOnScreen(tip.left + 2, tip.top + tip.height - 2);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(Tooltip, StaysWholeOnTheScreenWhereverThePointerIs)
{
    const double screenW = qby::Screen.Width();
    const double screenH = qby::Screen.Height();
    const int pxW = static_cast<int>(screenW / 15);
    const int pxH = static_cast<int>(screenH / 15);
    auto expectOnScreen = [&](const char* when) {
        EXPECT_GE(frmTOOLTIP->Left(), 0) << when;
        EXPECT_GE(frmTOOLTIP->Top(), 0) << when;
        EXPECT_LE(frmTOOLTIP->Left() + frmTOOLTIP->Width(), screenW) << when;
        EXPECT_LE(frmTOOLTIP->Top() + frmTOOLTIP->Height(), screenH) << when;
    };
    // The owner window covers the screen's bottom-right corner.
    form->Move(screenW - 7500, screenH - 3000);
    qby::test::MouseMoveOnScreen(pxW - 3, pxH - 3);
    frmTOOLTIP->CreateTip(Variant::Long(form->hWnd()));
    frmTOOLTIP->Text("Near the corner");
    expectOnScreen("text set");
    frmTOOLTIP->ShowTip();
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Left() + frmTOOLTIP->Width(), screenW);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Top() + frmTOOLTIP->Height(), screenH);

    // The polls while it waits follow the pointer and keep the edges too, up to and after
    // the tip appears.
    qby::TestClock::Advance(100);
    expectOnScreen("first poll");
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Top() + frmTOOLTIP->Height(), screenH);
    qby::test::MouseMoveOnScreen(pxW - 200, pxH - 1);
    qby::TestClock::Advance(500);
    ASSERT_TRUE(TipShown());
    const auto tip = TipRect();
    EXPECT_EQ(tip.left, pxW - 200) << "in the pointer's column";
    EXPECT_EQ(tip.top + tip.height, pxH) << "its bottom edge on the screen's";
    qby::test::MouseMoveOnScreen(pxW - 1, pxH - 100);
    qby::TestClock::Advance(4000);  // hidden again, still following the pointer
    expectOnScreen("hidden");
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Left() + frmTOOLTIP->Width(), screenW);
}

TEST_F(Tooltip, AStaleOrZeroOwnerClosesTheTipAtTheNextPoll)
{
    // An owner that is no window: its rectangle reads as all zeros.
    frmTOOLTIP->CreateTip(Variant::Long(0x7FFFFFF0));
    qby::test::MouseMove(*form, 450, 180);  // away from the buttons
    frmTOOLTIP->Text("Stale");
    ASSERT_TRUE(frmTOOLTIP->IsLoaded());
    qby::TestClock::Advance(100);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    // A value that is not a number keeps the previous owner.
    frmTOOLTIP->CreateTip(Variant::Long(form->hWnd()));
    frmTOOLTIP->CreateTip(Variant::String("not a handle"));
    frmTOOLTIP->Text("Kept");
    qby::TestClock::Advance(100);
    EXPECT_TRUE(frmTOOLTIP->IsLoaded());
}

TEST_F(Tooltip, DestroyTipOnTheUnloadedWindowLeavesItClosedAndUsable)
{
    frmTOOLTIP->DestroyTip();
    ASSERT_FALSE(frmTOOLTIP->IsLoaded());
    frmTOOLTIP->DestroyTip();
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    // Everything works as before afterwards, and its closes go through.
    ShowTipOver(button());
    frmTOOLTIP->Unload();
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(Tooltip, TextLoadsTheClosedWindowWithItsMarginRestored)
{
    frmTOOLTIP->Margin(10);
    frmTOOLTIP->DestroyTip();
    frmTOOLTIP->Text("Fresh");
    EXPECT_DOUBLE_EQ(frmTOOLTIP->lblTIP.Left(), 45);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->Width(), frmTOOLTIP->lblTIP.Width() + 90);
}

TEST_F(Tooltip, MembersAnswerByNameAndById)
{
    ComPtr<IDispatch> object = frmTOOLTIP->Object();
    const std::pair<const char*, DISPID> members[] = {
        {"CreateTip", 0x60030002}, {"DestroyTip", 0x60030003}, {"Margin", 0x68030001},
        {"ShowTip", 0x6003000A},   {"Text", 0x68030000},
    };
    for (const auto& [name, id] : members) {
        DISPID found = 0;
        EXPECT_EQ(object->GetIDOfName(name, &found), S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }

    qby::test::MouseMove(*form, 455, 185);
    Variant owner = Variant::Long(form->hWnd());
    EXPECT_EQ(InvokeByName(object.Get(), "CreateTip", DISPATCH_METHOD, {&owner, 1}, nullptr), S_OK);
    Variant text = Variant::String("By name");
    EXPECT_EQ(InvokeByName(object.Get(), "text", DISPATCH_PROPERTYPUT, {&text, 1}, nullptr), S_OK);
    EXPECT_EQ(frmTOOLTIP->lblTIP.Caption(), "By name");
    Variant margin = Variant::Long(5);
    EXPECT_EQ(object->Invoke(0x68030001, DISPATCH_PROPERTYPUT, {&margin, 1}, nullptr), S_OK);
    EXPECT_DOUBLE_EQ(frmTOOLTIP->lblTIP.Left(), 75);
    EXPECT_EQ(object->Invoke(0x6003000A, DISPATCH_METHOD, {}, nullptr), S_OK);
    qby::TestClock::Advance(600);
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(object->Invoke(0x60030003, DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    // Write-only properties cannot be read.
    Variant result;
    EXPECT_EQ(object->Invoke(0x68030000, DISPATCH_PROPERTYGET, {}, &result), DISP_E_MEMBERNOTFOUND);
    Variant word = Variant::String("wide");
    EXPECT_EQ(object->Invoke(0x68030001, DISPATCH_PROPERTYPUT, {&word, 1}, nullptr), DISP_E_TYPEMISMATCH);
}
