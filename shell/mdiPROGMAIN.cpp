#include "shell/mdiPROGMAIN.h"

#include "controls/frmTOOLTIP.h"
#include "lessons/frmLESSALPH.h"
#include "lessons/frmLESSPAIR.h"
#include "lessons/frmLESSPCWD.h"
#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRDS.h"
#include "lessons/frmLESSWRIT.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGCRT10.h"
#include "lessons/frmMSGPLYAG.h"
#include "lessons/frmMSGWRONG.h"
#include "platform/forms/Runtime.h"
#include "shell/frmABOUTQBY.h"
#include "shell/frmLANGUAGE.h"
#include "shell/frmMAINMENU.h"

namespace {

// Unloads the window if its default instance has been made; one that was never used stays as
// it is (no instance is made just to be unloaded).
template <class F>
void UnloadIfMade(qby::DefaultInstance<F>& form)
{
    if (form.Exists()) form->Unload();
}

}  // namespace

mdiPROGMAIN_Form::mdiPROGMAIN_Form() : MDIForm("mdiPROGMAIN") {}

void mdiPROGMAIN_Form::MDIForm_Load()
{
    // Opens in the normal state, centred on the screen.
    WindowState(qby::vbMaximized);
    WindowState(qby::vbNormal);
    frmMAINMENU->Show();
}

void mdiPROGMAIN_Form::MDIForm_Unload(int& /*Cancel*/)
{
    // Every other window, in this order.
    UnloadIfMade(frmABOUTQBY);
    UnloadIfMade(frmLANGUAGE);
    UnloadIfMade(frmLESSALPH);
    UnloadIfMade(frmLESSPAIR);
    UnloadIfMade(frmLESSPCWD);
    UnloadIfMade(frmLESSWRDM);
    UnloadIfMade(frmLESSWRDS);
    UnloadIfMade(frmLESSWRIT);
    UnloadIfMade(frmMSGCRECT);
    UnloadIfMade(frmMSGCRT10);
    UnloadIfMade(frmMSGPLYAG);
    UnloadIfMade(frmMSGWRONG);
    UnloadIfMade(frmTOOLTIP);
    // The frame itself goes with the end of the program, at once: no further event handler of
    // any window runs.
    qby::End();
}
