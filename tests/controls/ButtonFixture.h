// The fixture of the picture button and tooltip tests: the test clock, a fresh button window
// shown on screen with the pointer parked away from it, and the shared tip window closed.
#pragma once

#include "ButtonTestForm.h"

#include "controls/frmTOOLTIP.h"

#include "platform/forms/TestClock.h"
#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <memory>

namespace buttontest {

class ButtonFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the learner sees at (x, y) of a control, as 0xBBGGRR.
    static std::int64_t SeenAt(qby::Control& control, int x, int y);
    static bool TipShown();
    // Moves the pointer onto the button at (x, y) from outside (so the move is never dropped as
    // a repeat of the last position).
    void Enter(picbtn& button, int x = 10, int y = 10);
    // A pointer move over the window, away from every button.
    void MoveAway(int x = 300, int y = 170);

    std::unique_ptr<qby::ScopedTestClock> clock;
    std::unique_ptr<frmBUTTONTEST_Form> form;
};

}  // namespace buttontest
