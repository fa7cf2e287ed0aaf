// The executable's entry point: the version information, then the start procedure Main.
#include "core/modPROGMAIN.h"
#include "core/modVERSIONINFO.h"

int main()
{
    VersionInformationLoad();
    Main();
    return 0;
}
