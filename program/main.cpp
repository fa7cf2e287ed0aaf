// The executable's entry point: the environment settled, the loading of the first libraries
// begun, the form runtime, the version information, the start procedure Main, then the message
// loop for as long as the main window is open.
#include "core/modVERSIONINFO.h"
#include "platform/forms/Runtime.h"
#include "shell/modPROGMAIN.h"

int main(int argc, char** argv)
{
    qby::PrepareProcessEnvironment();
    PrefetchStartLibraries();
    qby::RuntimeStart(argc, argv);
    VersionInformationLoad();
    Main();
    qby::RunMessageLoop();
    qby::RuntimeStop();
    return 0;
}
