#include "platform/forms/StartupWarmup.h"
#include "platform/forms/BackgroundWork.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <dlfcn.h>
#include <sys/stat.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>

namespace qby::detail {

namespace {

struct FontConfigurationLoad {
    std::mutex mutex;
    std::condition_variable ended;
    std::atomic<bool> pending = false;  // written under the mutex; read without it once it ended
};

FontConfigurationLoad& TheLoad()
{
    static auto* load = new FontConfigurationLoad;  // never destroyed, like the worker using it
    return *load;
}

}  // namespace

void StartFontConfigurationLoad()
{
    FontConfigurationLoad& load = TheLoad();
    // Only a fontconfig that Qt has loaded already: the program itself does not depend on it.
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (fontconfig == nullptr)
        return;
    using Init = int (*)();
    auto init = reinterpret_cast<Init>(dlsym(fontconfig, "FcInit"));
    dlclose(fontconfig);  // Qt's own reference keeps it loaded
    if (init == nullptr)
        return;
    std::lock_guard lock(load.mutex);
    if (load.pending)
        return;
    load.pending = RunInBackground([init, &load] {
        init();
        std::lock_guard ended(load.mutex);
        load.pending = false;
        load.ended.notify_all();
    });
}

void FinishFontConfigurationLoad()
{
    FontConfigurationLoad& load = TheLoad();
    if (!load.pending.load(std::memory_order_acquire))
        return;  // ended, or never started: the common case, called for every font made
    if (!BackgroundWorkersUsable())
        return;  // a forked child: its parent's load is not its own to wait for
    std::unique_lock lock(load.mutex);
    load.ended.wait(lock, [&] { return !load.pending; });
}

void StartSessionBusConnection()
{
    // The platforms whose accessibility bridge speaks over the session bus.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && platform != QLatin1String("wayland"))
        return;
    RunInBackground([] { QDBusConnection::sessionBus(); });
}

void DisableHopelessSessionBusLaunch(const char* launcher)
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0')
        return;
    struct stat found {};
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime != '\0') {
        if (stat((std::string(runtime) + "/bus").c_str(), &found) == 0 && S_ISSOCK(found.st_mode))
            return;
    }
    if (stat(launcher, &found) == 0)
        return;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace qby::detail
