#include "platform/sound/SoundBackendLoader.h"

#include "platform/sound/SoundTestHook.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <optional>

namespace qby::sound {
namespace {

struct BackendState {
    std::mutex mutex;
    bool tried = false;
    const QbySoundBackend* backend = nullptr;
    std::optional<std::string> file;  // in place of the default one
};

BackendState& State()
{
    static auto* state = new BackendState;  // never destroyed, like the library it points to
    return *state;
}

}  // namespace

std::string DefaultSoundBackendFile()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&DefaultSoundBackendFile), &info) == 0 ||
        info.dli_fname == nullptr)
        return {};
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    // Without a folder the name alone would be searched for along the library path.
    if (folder.empty())
        return {};
    return (folder / QBY_SOUND_BACKEND_FILE).string();
}

const QbySoundBackend* LoadSoundBackend(const std::string& file)
{
    if (file.empty())
        return nullptr;
    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    using Entry = const QbySoundBackend* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(library, kQbySoundBackendSymbol));
    const QbySoundBackend* backend = entry ? entry() : nullptr;
    if (!backend || backend->version != kQbySoundBackendVersion ||
        backend->size < sizeof(QbySoundBackend)) {
        dlclose(library);  // nothing of it was used
        return nullptr;
    }
    return backend;
}

const QbySoundBackend* SoundBackend()
{
    BackendState& state = State();
    std::lock_guard lock(state.mutex);
    if (!state.tried) {
        // A library that is missing now stays missing while the program runs: tried once.
        state.tried = true;
        state.backend = LoadSoundBackend(state.file ? *state.file : DefaultSoundBackendFile());
    }
    return state.backend;
}

}  // namespace qby::sound

namespace qby {

bool UseSoundBackendFile(const std::string& file)
{
    sound::BackendState& state = sound::State();
    std::lock_guard lock(state.mutex);
    if (state.tried)
        return false;
    state.file = file;
    return true;
}

}  // namespace qby
