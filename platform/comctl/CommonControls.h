// The common-controls library's one entry point that the program calls.
#pragma once

// Makes the platform's common control classes available to the windows created afterwards.
// The form runtime registers every control class it offers when it starts, so there is
// nothing left to do here; the call stays so that the program's start-up reads as designed.
void InitCommonControls();
