// The fixture of the main window tests: an empty configuration, Langtext registered for this
// user (or not), settings stored as a test asks, then the program started through Main; the
// shell's link requests and the sounds are recorded instead of opened or played, and timers run
// on the test clock.
#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/TestClock.h"
#include "platform/shell/Shell.h"
#include "platform/sound/SoundTestHook.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace shelltest {

class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs Main: the main window opens with the menu in it.
    void Start();
    // Stores a setting as the language dialog's OK would, before the program starts.
    static void StoreSetting(const std::string& name, const std::string& value);
    // The stored setting, or nothing when it is not stored.
    static std::optional<std::string> StoredSetting(const std::string& name);
    static void RegisterLangtext();
    static void UnregisterLangtext();

    // Runs `inside` while `form` is shown modal (the hook is removed afterwards); the test ends
    // the modal loop from inside, as the learner would.
    static void WhileModal(const std::function<void(qby::Form&)>& inside);
    // A click in the middle of a control, with the pointer coming from elsewhere first.
    static void Click(qby::Control& control);
    // A pointer move to (x, y) of the form, away from its buttons.
    static void MoveTo(qby::Form& form, int x, int y);

    std::vector<ShellRequest> shellRequests;
    // Sounds are recorded, not played.
    qby::SoundRecorder sounds;

private:
    std::unique_ptr<qby::ScopedTestClock> clock_;
    ShellLauncher previousLauncher_;
};

}  // namespace shelltest
