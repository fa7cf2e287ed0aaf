#include "core/modVERSIONINFO.h"

#include "platform/app/App.h"

void VersionInformationLoad()
{
    App.SetVersionInformation({
        .companyName = "Orvane",
        .productName = "Quillby",
        .major = QBY_VERSION_MAJOR,
        .minor = QBY_VERSION_MINOR,
        .revision = QBY_VERSION_REVISION,
    });
}
