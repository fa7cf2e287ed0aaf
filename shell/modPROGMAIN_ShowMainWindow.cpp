#include "shell/modPROGMAIN.h"

#include "platform/forms/Runtime.h"
#include "shell/mdiPROGMAIN.h"

void MainShowMainWindow()
{
    // 7. The hourglass stands while the main window and the menu are built.
    qby::Screen.MousePointer(qby::vbHourglass);
    // 8. The main window, modeless: its load shows the menu inside it.
    mdiPROGMAIN->Show();
    // 9. The default pointer again.
    qby::Screen.MousePointer(qby::vbDefault);
}
