#include "ShellFixture.h"

#include "core/clsREGISTRY.h"
#include "core/modGLOBALS.h"
#include "core/modSETTINGS.h"
#include "platform/com/EntryPoints.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/Testing.h"
#include "platform/registry/Registry.h"
#include "platform/user/Window.h"
#include "shell/mdiPROGMAIN.h"
#include "shell/modPROGMAIN.h"
#include "support/ProgramSupport.h"

namespace shelltest {

namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS";
constexpr const char* kCurrentUser = "-2147483647";

}  // namespace

void ShellFixture::SetUp()
{
    clock_ = std::make_unique<qby::ScopedTestClock>();
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE");
    RegisterLangtext();
    previousLauncher_ = SetShellLauncher([this](const ShellRequest& request) {
        shellRequests.push_back(request);
        return SHELL_REQUEST_HANDED_OVER;
    });
    qby::test::MouseMoveOnScreen(1, 1);
    programtest::ResetToBeforeMain();
    programtest::FailOnUnexpectedModal();
}

void ShellFixture::TearDown()
{
    qby::test::OnModalShown(nullptr);
    qby::test::OnUnexpectedModal(nullptr);
    ReleaseCapture();
    // Closing the main window ends the program; the runtime is then made ready for the next test.
    if (mdiPROGMAIN.Exists() && mdiPROGMAIN->IsLoaded()) mdiPROGMAIN->Unload();
    qby::test::ResetAfterEnd();
    qby::test::ProcessEvents();
    SetShellLauncher(previousLauncher_);
    qby::Screen.MousePointer(qby::vbDefault);
    clock_.reset();
}

void ShellFixture::Start()
{
    Main();
    qby::test::ProcessEvents();
}

void ShellFixture::StoreSetting(const std::string& name, const std::string& value)
{
    ASSERT_TRUE(clsREGISTRY().StringSave(kCurrentUser, kSettingsKey, name, value));
}

std::optional<std::string> ShellFixture::StoredSetting(const std::string& name)
{
    const std::string missing = "\x01missing";
    std::string value = clsREGISTRY().StringLoad(kCurrentUser, kSettingsKey, name, missing);
    if (value == missing) return std::nullopt;
    return value;
}

void ShellFixture::RegisterLangtext()
{
    ASSERT_EQ(programtest::CallLangtextEntry("DllRegisterServer"), S_OK);
}

void ShellFixture::UnregisterLangtext()
{
    ASSERT_EQ(programtest::CallLangtextEntry("DllUnregisterServer"), S_OK);
}

void ShellFixture::WhileModal(const std::function<void(qby::Form&)>& inside)
{
    qby::test::OnModalShown([inside](qby::Form& form) {
        qby::test::OnModalShown(nullptr);
        qby::test::ProcessEvents();
        inside(form);
    });
}

void ShellFixture::Click(qby::Control& control)
{
    const qby::test::ScreenRect rect = qby::test::RectOnScreen(control);
    // Two moves, so that the second is never dropped as a repeat of the pointer's last place.
    qby::test::MouseMove(control, 1, 1);
    qby::test::MouseMove(control, rect.width / 2, rect.height / 2);
    qby::test::MouseClick(control, rect.width / 2, rect.height / 2);
}

void ShellFixture::MoveTo(qby::Form& form, int x, int y)
{
    qby::test::MouseMove(form, x, y);
}

}  // namespace shelltest
