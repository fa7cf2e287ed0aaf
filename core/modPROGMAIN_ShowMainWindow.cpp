#include "core/modPROGMAIN.h"

void MainShowMainWindow()
{
    // 7. Screen.MousePointer = 11 (hourglass)
    // 8. mdiPROGMAIN.Show (modeless): its load shows the menu inside it
    // 9. Screen.MousePointer = 0 (default)
    // These steps need the main window and the screen object; until they exist Main ends after
    // the interface texts are built.
}
