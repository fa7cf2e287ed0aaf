// The sound backend library: found beside the platform library, loaded by the first sound and
// not before, and a missing one makes sounds silent. What depends on the process's start runs in
// a fresh process of its own (a death test that re-runs this program).
#include "WaveBuilder.h"

#include "platform/sound/Sound.h"
#include "platform/sound/SoundBackendLoader.h"
#include "platform/sound/SoundTestHook.h"
#include "platform/sound/WaveImage.h"

#include <gtest/gtest.h>

#include <link.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace qby {
namespace {

using test::ToneOf;

constexpr DWORD kProgramFlags = SND_NODEFAULT | SND_MEMORY | SND_NOWAIT;

bool Loaded(const std::string& name)
{
    struct Search {
        std::string name;
        bool found = false;
    } search{name};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& s = *static_cast<Search*>(data);
            if (info->dlpi_name && std::filesystem::path(info->dlpi_name).filename().string().starts_with(s.name))
                s.found = true;
            return 0;
        },
        &search);
    return search.found;
}

// Ends the re-run process: 0 when every check held, else 1 after saying which failed.
[[noreturn]] void Finish(const char* failed)
{
    if (failed) {
        std::fprintf(stderr, "%s\n", failed);
        std::_Exit(1);
    }
    std::exit(0);  // with the exit handlers, which close the device
}

class SoundBackendLibrary : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(SoundBackendLibrary, LivesBesideThePlatformLibrary)
{
    const std::filesystem::path file = sound::DefaultSoundBackendFile();
    EXPECT_EQ(file.filename(), "libqbysoundsdl.so");
    EXPECT_TRUE(std::filesystem::equivalent(file.parent_path(), std::filesystem::path(QBY_BUILD_DIR) / "platform"));
    const QbySoundBackend* backend = sound::LoadSoundBackend(file.string());
    ASSERT_NE(backend, nullptr);
    EXPECT_EQ(backend->version, kQbySoundBackendVersion);
}

TEST_F(SoundBackendLibrary, AMissingFileOrALibraryWithoutTheEntryIsNoBackend)
{
    const std::filesystem::path folder = std::filesystem::path(sound::DefaultSoundBackendFile()).parent_path();
    EXPECT_EQ(sound::LoadSoundBackend((folder / "libnosuchbackend.so").string()), nullptr);
    EXPECT_EQ(sound::LoadSoundBackend(""), nullptr);
    EXPECT_EQ(sound::LoadSoundBackend((folder / "libqbyplatform.so").string()), nullptr);
}

TEST_F(SoundBackendLibrary, SdlIsLoadedByTheFirstSoundAndNotBefore)
{
    EXPECT_EXIT(
        {
            if (Loaded("libSDL2") || Loaded("libqbysoundsdl"))
                Finish("SDL was loaded before any sound was played");
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (PlaySoundA(ToneOf(20), nullptr, kProgramFlags) != 1)
                Finish("the sound was not played");
            if (!Loaded("libqbysoundsdl") || !Loaded("libSDL2"))
                Finish("the sound was played without the backend loaded");
            if (UseSoundBackendFile("/nonexistent/libqbysoundsdl.so"))
                Finish("the backend could be replaced after it was loaded");
            Finish(nullptr);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(SoundBackendLibrary, WithoutItSoundsAreSilentAndReturnAtOnce)
{
    EXPECT_EXIT(
        {
            if (!UseSoundBackendFile("/nonexistent/libqbysoundsdl.so"))
                Finish("the backend's file could not be chosen before the first sound");
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (PlaySoundA(ToneOf(20), nullptr, kProgramFlags) != 0 ||
                PlaySoundA(ToneOf(20), nullptr, SND_MEMORY) != 0)
                Finish("a sound was reported as played without the backend");
            if (SoundDeviceOpen())
                Finish("a device was left open without the backend");
            if (LastSoundPlayback().sequence != 0)
                Finish("a sound reached the device");
            if (sound::DecodeWaveImage(ToneOf(20), sound::ModelOutputFormat()))
                Finish("a sound was decoded without the backend");
            if (!sound::ParseWaveImage(ToneOf(20)))
                Finish("the WAVE check needs the backend");
            if (Loaded("libSDL2"))
                Finish("SDL was loaded");
            Finish(nullptr);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace qby
