// The session bus is not launched when it cannot be: with no bus address and no bus at the
// runtime folder, and no launcher installed, the environment says there is no bus ("disabled:");
// in every other case it is left as it is.
#include "platform/forms/StartupWarmup.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

std::optional<std::string> Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

TEST(SessionBus, OnlyALaunchThatCannotSucceedIsLeftOut)
{
    const auto savedAddress = Variable("DBUS_SESSION_BUS_ADDRESS");
    const auto savedRuntime = Variable("XDG_RUNTIME_DIR");
    const fs::path folder = fs::temp_directory_path() / ("qby-bus-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string missingLauncher = (folder / "no-launcher").string();
    const std::string launcher = (folder / "launcher").string();
    {
        std::FILE* file = std::fopen(launcher.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    auto launchLeftOut = [&](const std::string& launcherPath) {
        qby::detail::DisableHopelessSessionBusLaunch(launcherPath.c_str());
        const auto address = Variable("DBUS_SESSION_BUS_ADDRESS");
        return address && *address == "disabled:";
    };

    // No address, an empty runtime folder, no launcher: nothing could be found or launched.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    EXPECT_TRUE(launchLeftOut(missingLauncher));
    // The same without a runtime folder.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(launchLeftOut(missingLauncher));
    // A launcher is installed: it may start a bus.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_FALSE(launchLeftOut(launcher));
    EXPECT_EQ(Variable("DBUS_SESSION_BUS_ADDRESS"), std::nullopt);
    // An address is given: it is kept.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus", 1);
    EXPECT_FALSE(launchLeftOut(missingLauncher));
    EXPECT_EQ(Variable("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");
    // A bus listens at the runtime folder: the library finds it there.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un place{};
    place.sun_family = AF_UNIX;
    std::strncpy(place.sun_path, (folder / "bus").c_str(), sizeof place.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&place), sizeof place), 0);
    EXPECT_FALSE(launchLeftOut(missingLauncher));
    EXPECT_EQ(Variable("DBUS_SESSION_BUS_ADDRESS"), std::nullopt);

    close(listener);
    fs::remove_all(folder);
    Restore("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    Restore("XDG_RUNTIME_DIR", savedRuntime);
}

}  // namespace
