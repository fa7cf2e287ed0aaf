#include "platform/app/App.h"

#include <filesystem>
#include <system_error>

AppObject App;

const std::string& AppObject::Path() const
{
    static const std::string folder = [] {
        std::error_code error;
        std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
        return error ? std::string() : executable.parent_path().string();
    }();
    return folder;
}
