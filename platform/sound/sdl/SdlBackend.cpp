// The backend library's entry point: the table of its functions.
#include "platform/sound/SoundBackend.h"
#include "platform/sound/sdl/SdlConvert.h"
#include "platform/sound/sdl/SdlDevice.h"
#include "platform/sound/WaveImage.h"

#include <SDL.h>

static_assert(qby::sound::kSampleSigned16 == AUDIO_S16SYS && qby::sound::kSampleFloat32 == AUDIO_F32SYS,
              "the sample format values are SDL's on a little-endian machine");

namespace {

constexpr QbySoundBackend kBackend = {
    kQbySoundBackendVersion,
    sizeof(QbySoundBackend),
    &qby::sound::sdl::OpenDevice,
    &qby::sound::sdl::DeviceAlive,
    &qby::sound::sdl::PlayOnDevice,
    &qby::sound::sdl::CloseDevice,
    &qby::sound::sdl::ConvertWave,
    &qby::sound::sdl::ReleaseDevice,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const QbySoundBackend* qby_sound_backend(void)
{
    return &kBackend;
}
