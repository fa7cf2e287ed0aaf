// The picture button's states as a learner meets them, driven by real pointer input: the
// pictures shown, the capture, the tooltip moments and the events raised.
#include "ButtonFixture.h"

#include "controls/picbtn_TipWindow.h"

#include "platform/user/Window.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using namespace buttontest;
using Names = std::vector<std::string>;

namespace {
bool Contains(const Names& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

namespace {

class PicbtnStates : public ButtonFixture {
protected:
    picbtn& button() { return form->btnpSTORED; }
    HWND surfaceHandle() { return SurfaceOf(button()).hWnd(); }
};

}  // namespace

TEST_F(PicbtnStates, PointerAwayShowsTheNormalPictureWithoutCapture)
{
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.normal.Handle());
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbBlue);
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_FALSE(button().MousePosnONOUT());
    EXPECT_TRUE(form->log.empty());
}

TEST_F(PicbtnStates, FirstMoveHighlightsTakesTheCaptureAndAsksForTheTip)
{
    Enter(button(), 10, 12);

    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpSTORED"));
    const auto entries = form->Entries("btnpSTORED");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Button, 0);
    EXPECT_FLOAT_EQ(entries[0].X, 10);
    EXPECT_FLOAT_EQ(entries[0].Y, 12);
    EXPECT_TRUE(entries[1].over);
    EXPECT_EQ(entries[1].shownPicture, form->skin.hlight.Handle());

    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbYellow);
    EXPECT_TRUE(button().MousePosnONOUT());
    EXPECT_TRUE(button().CFm_MousePosnONOUT());
    EXPECT_EQ(GetCapture(), surfaceHandle());
    EXPECT_EQ(qby::test::ShownPointer(SurfaceOf(button())), qby::vbCustom);
    // The custom pointer is cursor 101, the pointing hand with its hot spot on the finger tip.
    const qby::Picture cursor = SurfaceOf(button()).MouseIcon();
    EXPECT_TRUE(cursor.IsCursor());
    EXPECT_EQ(cursor.HotSpotX(), 6);
    EXPECT_EQ(cursor.HotSpotY(), 0);
    EXPECT_EQ(button().MouseIcon().Handle(), cursor.Handle());

    // The tip window took this button's text and waits for its delay.
    ASSERT_TRUE(frmTOOLTIP->IsLoaded());
    EXPECT_EQ(frmTOOLTIP->lblTIP.Caption(), "Stored tip");
    EXPECT_FALSE(TipShown());
}

TEST_F(PicbtnStates, FurtherMovesRaiseMouseOutEveryTimeAndLeaveTheTipWhereItWas)
{
    Enter(button(), 10, 10);
    const double tipLeft = frmTOOLTIP->Left();
    const double tipTop = frmTOOLTIP->Top();
    form->log.clear();

    qby::test::MouseMove(button(), 30, 20);
    qby::test::MouseMove(button(), 60, 25);
    // The right and bottom edges count as inside (X equal to the width).
    qby::test::MouseMove(button(), 140, 39);

    EXPECT_EQ((Names{"MouseMove", "MouseOut", "MouseMove", "MouseOut", "MouseMove", "MouseOut"}),
              form->Events("btnpSTORED"));
    for (const Raised& entry : form->Entries("btnpSTORED")) {
        if (entry.event == "MouseOut") {
            EXPECT_TRUE(entry.over);
            EXPECT_EQ(entry.shownPicture, form->skin.hlight.Handle());
        }
    }
    EXPECT_EQ(GetCapture(), surfaceHandle());
    // Disarmed: the later moves neither gave the tip its text again nor moved it.
    EXPECT_EQ(frmTOOLTIP->Left(), tipLeft);
    EXPECT_EQ(frmTOOLTIP->Top(), tipTop);
}

TEST_F(PicbtnStates, TheMoveThatFindsThePointerGoneRaisesTheLastMouseOut)
{
    Enter(button(), 10, 10);
    form->log.clear();

    MoveAway(300, 170);  // still delivered to the button, which holds the capture
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpSTORED"));
    const auto entries = form->Entries("btnpSTORED");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_FALSE(entries[1].over);
    // The pointer in the button's own pixels (the button lies at 20, 20 on the window).
    EXPECT_FLOAT_EQ(entries[1].X, 280);
    EXPECT_FLOAT_EQ(entries[1].Y, 150);
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbBlue);
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_FALSE(button().MousePosnONOUT());

    // Later moves elsewhere raise nothing.
    form->log.clear();
    MoveAway(310, 175);
    MoveAway(320, 180);
    EXPECT_TRUE(form->log.empty());

    // The tip is armed again: coming back gives it this button's text afresh.
    frmTOOLTIP->DestroyTip();
    qby::test::MouseMove(button(), 12, 12);
    ASSERT_TRUE(frmTOOLTIP->IsLoaded());
    EXPECT_EQ(frmTOOLTIP->lblTIP.Caption(), "Stored tip");
}

TEST_F(PicbtnStates, LeftPressShowsThePressedPictureAndClosesTheTip)
{
    Enter(button(), 10, 10);
    form->log.clear();

    qby::test::MousePress(button(), 10, 10);

    EXPECT_EQ((Names{"MouseDown"}), form->Events("btnpSTORED"));
    EXPECT_EQ(form->log.at(0).Button, qby::vbLeftButton);
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbRed);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
    EXPECT_EQ(GetCapture(), surfaceHandle());  // unchanged by the press
    qby::test::MouseRelease(button(), 10, 10);
}

TEST_F(PicbtnStates, MovesWithTheLeftButtonHeldFollowTheButtonWithoutHoverSteps)
{
    Enter(button(), 10, 10);
    qby::test::MousePress(button(), 10, 10);
    form->log.clear();

    qby::test::MouseMove(button(), 20, 15, qby::vbLeftButton);
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbRed);
    MoveAway(300, 170);
    // Outside the button: the normal picture, and still no hover step.
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.normal.Handle());
    qby::test::MouseMove(button(), 25, 15, qby::vbLeftButton);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.pressed.Handle());

    EXPECT_EQ((Names{"MouseMove", "MouseMove", "MouseMove"}), form->Events("btnpSTORED"));
    for (const Raised& entry : form->log)
        EXPECT_EQ(entry.Button, qby::vbLeftButton);
    qby::test::MouseRelease(button(), 25, 15);
}

TEST_F(PicbtnStates, ReleaseOverTheButtonRaisesMouseUpThenClickOnTheNormalPicture)
{
    Enter(button(), 10, 10);
    qby::test::MousePress(button(), 10, 10);
    form->log.clear();

    qby::test::MouseRelease(button(), 10, 10);

    EXPECT_EQ((Names{"MouseUp", "Click"}), form->Events("btnpSTORED"));
    const Raised& click = form->log.at(1);
    EXPECT_EQ(click.shownPicture, form->skin.normal.Handle());
    // The flash ended on the normal picture: not "over" although the pointer is there.
    EXPECT_FALSE(click.over);
    EXPECT_FALSE(button().MousePosnONOUT());
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbBlue);

    // Tracking runs again: the next move highlights.
    qby::test::MouseMove(button(), 11, 10);
    EXPECT_TRUE(button().MousePosnONOUT());
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbYellow);
}

TEST_F(PicbtnStates, ReleaseAwayFromTheButtonRaisesNoClick)
{
    Enter(button(), 10, 10);
    qby::test::MousePress(button(), 10, 10);
    MoveAway(300, 170);
    form->log.clear();

    qby::test::MouseRelease(*form, 300, 170);

    EXPECT_EQ((Names{"MouseUp"}), form->Events("btnpSTORED"));
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.normal.Handle());
}

TEST_F(PicbtnStates, RightPressShowsTheNormalPictureAndKeepsTracking)
{
    Enter(button(), 10, 10);
    form->log.clear();

    qby::test::MousePress(button(), 10, 10, qby::vbRightButton);
    EXPECT_EQ((Names{"MouseDown"}), form->Events("btnpSTORED"));
    EXPECT_EQ(form->log.at(0).Button, qby::vbRightButton);
    EXPECT_EQ(form->log.at(0).shownPicture, form->skin.normal.Handle());
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    // Hover steps still run while the right button is held.
    form->log.clear();
    qby::test::MouseMove(button(), 14, 10, qby::vbRightButton);
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpSTORED"));
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbYellow);

    // The release leaves the picture as it is.
    form->log.clear();
    qby::test::MouseRelease(button(), 14, 10, qby::vbRightButton);
    EXPECT_EQ(form->Events("btnpSTORED").at(0), "MouseUp");
    EXPECT_EQ(form->log.at(0).Button, qby::vbRightButton);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.hlight.Handle());
}

TEST_F(PicbtnStates, DoubleClickRaisesMouseDownWithFixedValuesThenDblClick)
{
    Enter(button(), 10, 10);
    form->log.clear();

    qby::test::MouseDoubleClick(button(), 37, 21);

    const auto entries = form->Entries("btnpSTORED");
    auto dbl = std::find_if(entries.begin(), entries.end(),
                            [](const Raised& e) { return e.event == "DblClick"; });
    ASSERT_NE(dbl, entries.end());
    ASSERT_NE(dbl, entries.begin());
    const Raised& down = *(dbl - 1);
    EXPECT_EQ(down.event, "MouseDown");
    EXPECT_EQ(down.Button, 1);
    EXPECT_EQ(down.Shift, 1);
    EXPECT_FLOAT_EQ(down.X, 1.0f);
    EXPECT_FLOAT_EQ(down.Y, 1.0f);
    EXPECT_EQ(dbl->shownPicture, form->skin.pressed.Handle());
    // The first click of the pair is an ordinary press with the real position.
    auto first = std::find_if(entries.begin(), entries.end(),
                              [](const Raised& e) { return e.event == "MouseDown"; });
    ASSERT_NE(first, dbl - 1);
    EXPECT_FLOAT_EQ(first->X, 37);
    EXPECT_FLOAT_EQ(first->Y, 21);
    EXPECT_EQ(first->Shift, 0);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(PicbtnStates, DisabledButtonShowsItsDisabledPictureAndRaisesNothing)
{
    button().Enabled(false);
    EXPECT_EQ(SeenAt(button(), 1, 1), 0x808080);
    EXPECT_FALSE(button().Enabled());

    Enter(button(), 10, 10);
    qby::test::MouseClick(button(), 12, 10);
    qby::test::MouseMove(button(), 20, 10);
    EXPECT_TRUE(form->Entries("btnpSTORED").empty());
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_EQ(qby::test::ShownPointer(SurfaceOf(button())), qby::vbDefault);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    button().Enabled(true);
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbBlue);
}

TEST_F(PicbtnStates, DisabledButtonWithoutADisabledPictureShowsAnEmptySurface)
{
    picbtn& speaker = form->btnpSPEAKER;
    speaker.Enabled(false);
    EXPECT_EQ(speaker.cURRENTIMAGE().Handle(), 0);
    // The control keeps the size of its surface.
    EXPECT_EQ(qby::test::RectOnScreen(speaker).width, 40);
    EXPECT_NE(SeenAt(speaker, 1, 1), qby::vbGreen);
}

TEST_F(PicbtnStates, StoredControlTracksAtOnceNewControlOnlyAfterItsFirstRelease)
{
    picbtn& fresh = form->btnpNEW;
    Enter(fresh, 10, 10);
    EXPECT_EQ((Names{"MouseMove"}), form->Events("btnpNEW"));
    EXPECT_EQ(GetCapture(), 0);

    qby::test::MouseClick(fresh, 11, 10);
    form->log.clear();
    qby::test::MouseMove(fresh, 15, 10);
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpNEW"));
    EXPECT_EQ(GetCapture(), SurfaceOf(fresh).hWnd());
    EXPECT_TRUE(fresh.MousePosnONOUT());
}

TEST_F(PicbtnStates, OnlyOneButtonTracksThePointerAtATime)
{
    Enter(button(), 10, 10);
    form->log.clear();

    // The first move onto the other button still reaches the one holding the capture.
    qby::test::MouseMove(form->btnpSPEAKER, 10, 10);
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpSTORED"));
    EXPECT_TRUE(form->Events("btnpSPEAKER").empty());
    EXPECT_FALSE(button().MousePosnONOUT());

    qby::test::MouseMove(form->btnpSPEAKER, 11, 10);
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), form->Events("btnpSPEAKER"));
    EXPECT_EQ(GetCapture(), SurfaceOf(form->btnpSPEAKER).hWnd());
    EXPECT_EQ(SeenAt(form->btnpSPEAKER, 1, 1), qby::vbWhite);
    EXPECT_EQ(SeenAt(button(), 1, 1), qby::vbBlue);
}

TEST_F(PicbtnStates, AButtonWithoutATipWindowWorksOnWithoutATip)
{
    SetTipWindowSource([]() -> frmTOOLTIP_Form* { return nullptr; });
    Enter(button(), 10, 10);
    qby::test::MouseClick(button(), 10, 10);
    const Names events = form->Events("btnpSTORED");
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ((Names{"MouseMove", "MouseOut"}), Names(events.begin(), events.begin() + 2));
    EXPECT_EQ((Names{"MouseDown", "MouseUp", "Click"}), Names(events.end() - 3, events.end()));
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());

    SetTipWindowSource([]() -> frmTOOLTIP_Form* { throw std::runtime_error("no tip window"); });
    form->log.clear();
    MoveAway();
    qby::test::MouseMove(button(), 20, 10);
    button().ToolTip("Another tip");
    EXPECT_EQ((Names{"MouseMove", "MouseOut", "MouseMove", "MouseOut"}), form->Events("btnpSTORED"));
    EXPECT_EQ(button().ToolTip(), "Another tip");
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(PicbtnStates, ATooltipSetWhileArmedReachesTheTipWindowWhenTheTipIsNextUsed)
{
    MoveAway();
    ASSERT_FALSE(frmTOOLTIP->IsLoaded());
    button().ToolTip("First tip");
    button().ToolTip("Changed tip");
    // Nothing is loaded for a text alone: a window sets all its tips while it is built.
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
    EXPECT_TRUE(Contains(qby::test::PropertyChangedLog(button()), "TOOLTIP"));
    // The next use of the tip window (a key asks for the tip) finds the last text set, owned by
    // the button.
    qby::test::KeyClick(SurfaceOf(button()), 65);
    ASSERT_TRUE(frmTOOLTIP->IsLoaded());
    EXPECT_EQ(frmTOOLTIP->lblTIP.Caption(), "Changed tip");
    EXPECT_TRUE(frmTOOLTIP->tmrSTART.Enabled());
    // The pointer is not over its owner: the next poll closes it unseen.
    qby::TestClock::Advance(100);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}

TEST_F(PicbtnStates, AKeyReleasedOnTheArmedButtonAsksForTheTip)
{
    MoveAway();
    button().ToolTip("Key tip");
    qby::test::KeyClick(SurfaceOf(button()), 65);
    EXPECT_TRUE(frmTOOLTIP->tmrSTART.Enabled());

    // Disarmed (the pointer is over it): a key asks for nothing.
    Enter(button(), 10, 10);
    frmTOOLTIP->DestroyTip();
    qby::test::KeyClick(SurfaceOf(button()), 66);
    EXPECT_FALSE(frmTOOLTIP->IsLoaded());
}
