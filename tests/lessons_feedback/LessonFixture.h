// The fixture of the lesson tests: the program started through Main with Langtext registered
// (so captions read as a learner sees them), timers on the test clock, and every sound taken by
// a recorder instead of the device. Header-only, so each lesson test folder can include it.
#pragma once

#include "core/modGLOBALS.h"
#include "platform/com/EntryPoints.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/TestClock.h"
#include "platform/forms/Testing.h"
#include "platform/registry/Registry.h"
#include "platform/resources/Resources.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/user/Window.h"
#include "shell/mdiPROGMAIN.h"
#include "shell/modPROGMAIN.h"
#include "support/ProgramSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lessontest {

class LessonFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        clock_ = std::make_unique<qby::ScopedTestClock>();
        RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE");
        programtest::ResetToBeforeMain();
        ASSERT_EQ(programtest::CallLangtextEntry("DllRegisterServer"), S_OK);
        qby::test::MouseMoveOnScreen(1, 1);
        programtest::FailOnUnexpectedModal();
        recorder = std::make_unique<qby::SoundRecorder>();
        BeforeMain();
        Main();
        qby::test::ProcessEvents();
        recorder->Clear();
    }

    void TearDown() override
    {
        qby::test::OnModalShown(nullptr);
        qby::test::OnUnexpectedModal(nullptr);
        ReleaseCapture();
        // Closing the main window ends the program; the runtime is made ready for the next test.
        if (mdiPROGMAIN.Exists() && mdiPROGMAIN->IsLoaded()) mdiPROGMAIN->Unload();
        qby::test::ResetAfterEnd();
        qby::test::ProcessEvents();
        recorder.reset();
        clock_.reset();
    }

    // Runs after the settings are cleared and before Main starts the program (settings to store).
    virtual void BeforeMain() {}

    // The names of the sounds played since the last call, in order.
    std::vector<std::string> TakeSounds()
    {
        std::vector<std::string> names = recorder->Names();
        recorder->Clear();
        return names;
    }

    // Runs `input` while the n-th sound from now on plays (n from 1). Input it makes through
    // QueueClick waits, as a learner's clicks wait while the program speaks.
    void WhileSoundPlays(int n, std::function<void()> input)
    {
        if (duringSounds_.empty()) {
            soundsSeen_ = 0;
            recorder->UseClock([] { return std::chrono::microseconds(qby::TestClock::Now() * 1000); },
                               [this](std::chrono::microseconds) {
                                   ++soundsSeen_;
                                   for (auto& [at, input] : duringSounds_) {
                                       if (at == soundsSeen_) input();
                                   }
                               });
        }
        duringSounds_.emplace_back(soundsSeen_ + n, std::move(input));
    }

    // A click that waits in the window system's queue until waiting messages are next handled:
    // made while the program was busy (a sound playing, a handler running).
    static void QueueClick(qby::Control& control)
    {
        qby::test::QueueInput([&control] { Click(control); });
    }

    // A click in the middle of a control as the learner makes it: the pointer comes onto the
    // control, then presses and releases.
    static void Click(qby::Control& control)
    {
        const qby::test::ScreenRect rect = qby::test::RectOnScreen(control);
        qby::test::MouseMove(control, 1, 1);
        qby::test::MouseMove(control, rect.width / 2, rect.height / 2);
        qby::test::MouseClick(control, rect.width / 2, rect.height / 2);
    }

    // Shows `box` modal with the main window as owner, as a lesson does, and runs `inside` once
    // it is up. Should `inside` leave the box open (a failed expectation), the box is unloaded
    // so the test never waits forever. Returns whether `inside` ran.
    static bool ShowModal(qby::Form& box, const std::function<void()>& inside)
    {
        bool ran = false;
        qby::test::OnModalShown([&](qby::Form& shown) {
            qby::test::OnModalShown(nullptr);
            if (&shown != &box) {
                ADD_FAILURE() << "modal window " << shown.Name() << " instead of " << box.Name();
                shown.Unload();
                return;
            }
            ran = true;
            inside();
            if (box.IsLoaded() && box.IsModal()) box.Unload();
        });
        box.Show(qby::vbModal, mdiPROGMAIN);
        qby::test::OnModalShown(nullptr);
        return ran;
    }

    // Two pictures show the same image: same size and the same colour on a grid of points.
    static bool SamePicture(const qby::Picture& a, const qby::Picture& b)
    {
        if (a.IsEmpty() || b.IsEmpty()) return a.IsEmpty() && b.IsEmpty();
        if (a.WidthPx() != b.WidthPx() || a.HeightPx() != b.HeightPx()) return false;
        for (int y = 0; y < a.HeightPx(); y += 17) {
            for (int x = 0; x < a.WidthPx(); x += 13) {
                if (a.Point(x, y) != b.Point(x, y)) return false;
            }
        }
        return true;
    }
    static qby::Picture ResourcePicture(const std::string& name, const std::string& type)
    {
        return qby::Picture::FromEncodedBytes(qby::LoadResData(name, type));
    }

    std::unique_ptr<qby::SoundRecorder> recorder;

private:
    std::unique_ptr<qby::ScopedTestClock> clock_;
    int soundsSeen_ = 0;
    std::vector<std::pair<int, std::function<void()>>> duringSounds_;
};

}  // namespace lessontest
