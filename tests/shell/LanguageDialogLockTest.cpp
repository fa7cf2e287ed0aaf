// The language dialog's OK while another process holds the settings file's lock and keeps it:
// the saves fail within their bound, the dialog closes, the choice holds for the run, and the
// windows go on answering.
#include "ShellFixture.h"

#include "core/modGLOBALS.h"
#include "platform/forms/Testing.h"
#include "platform/registry/RegistryLocations.h"
#include "shell/frmABOUTQBY.h"
#include "shell/frmLANGUAGE.h"
#include "shell/frmMAINMENU.h"
#include "support/LockHolder.h"

namespace shelltest {
namespace {

class LanguageDialogUnderALock : public ShellFixture {};

TEST_F(LanguageDialogUnderALock, OkClosesTheDialogAndTheChoiceHoldsForTheRun)
{
    StoreSetting("HELP", "ENGLISH");
    Start();
    registrytest::LockHolder holder(qby::registry::userRegistryPath() + ".lock");
    ASSERT_TRUE(holder.Holding());

    WhileModal([&](qby::Form&) {
        Click(frmLANGUAGE->btnpKOREAN);
        Click(frmLANGUAGE->btnpOK);
    });
    Click(frmMAINMENU->btnpLANGUAGE);
    EXPECT_FALSE(frmLANGUAGE->IsLoaded());
    EXPECT_EQ(strHelpLanguage, "KOREAN");
    // Read while the lock is still held: the stored value, at once.
    EXPECT_EQ(StoredSetting("HELP"), "ENGLISH");
    EXPECT_EQ(frmMAINMENU->lblALPHABET.Caption(), "Learn the Alphabet");

    // The windows still answer: the About box opens and closes.
    bool aboutShown = false;
    WhileModal([&](qby::Form& form) {
        aboutShown = &form == &*frmABOUTQBY;
        Click(frmABOUTQBY->btnpOK);
    });
    Click(frmMAINMENU->btnpABOUT);
    EXPECT_TRUE(aboutShown);
    EXPECT_FALSE(frmABOUTQBY->IsLoaded());
    EXPECT_FALSE(holder.LetGoByItself()) << "the window waited for the lock without a bound";
}

}  // namespace
}  // namespace shelltest
