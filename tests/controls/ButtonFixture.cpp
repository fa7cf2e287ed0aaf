#include "ButtonFixture.h"

#include "controls/picbtn_TipWindow.h"

#include "platform/user/Window.h"

namespace buttontest {

void ButtonFixture::SetUp()
{
    clock = std::make_unique<qby::ScopedTestClock>();
    SetTipWindowSource({});
    qby::test::MouseMoveOnScreen(2, 2);
    form = std::make_unique<frmBUTTONTEST_Form>();
    form->Show();
    qby::test::ProcessEvents();
    form->log.clear();
}

void ButtonFixture::TearDown()
{
    SetTipWindowSource({});
    // No mouse button stays held into the next test.
    qby::test::MouseRelease(*form, 480, 190, qby::vbLeftButton);
    qby::test::MouseRelease(*form, 480, 190, qby::vbRightButton);
    ReleaseCapture();
    form->Unload();
    qby::test::ProcessEvents();
    form.reset();
    frmTOOLTIP->DestroyTip();
    qby::test::ProcessEvents();
    clock.reset();
}

std::int64_t ButtonFixture::SeenAt(qby::Control& control, int x, int y)
{
    return qby::test::Grab(control).Point(x, y);
}

bool ButtonFixture::TipShown()
{
    return frmTOOLTIP->IsLoaded() && qby::test::IsShownOnScreen(*frmTOOLTIP);
}

void ButtonFixture::Enter(picbtn& button, int x, int y)
{
    MoveAway(x + 250, y + 150);
    form->log.clear();
    qby::test::MouseMove(button, x, y);
}

void ButtonFixture::MoveAway(int x, int y)
{
    qby::test::MouseMove(*form, x, y);
}

}  // namespace buttontest
