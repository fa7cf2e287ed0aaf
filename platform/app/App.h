// The application object: the running program's folder and its version information.
//
// The program fills the version information once at start (it is part of the executable); the
// folder is that of the running executable.
#pragma once

#include <string>
#include <utility>

struct VersionInformation {
    std::string companyName;
    std::string productName;
    int major = 0;
    int minor = 0;
    int revision = 0;
};

class AppObject {
public:
    // The folder of the running executable, without a trailing "/".
    const std::string& Path() const;
    const std::string& CompanyName() const { return version_.companyName; }
    const std::string& ProductName() const { return version_.productName; }
    int Major() const { return version_.major; }
    int Minor() const { return version_.minor; }
    int Revision() const { return version_.revision; }

    void SetVersionInformation(VersionInformation version) { version_ = std::move(version); }

private:
    VersionInformation version_;
};

extern AppObject App;
