// The program's version information (company, product, version numbers), given to the
// application object before Main runs, as the executable's version resource would be.
#pragma once

void VersionInformationLoad();
