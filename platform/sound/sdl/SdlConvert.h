// Decoding a checked WAVE image with SDL's reader and converting it to an output format.
#pragma once

#include "platform/sound/SoundBackend.h"

namespace qby::sound::sdl {

int64_t ConvertWave(const uint8_t* image, size_t imageSize, const QbySoundFormat* output,
                    uint8_t* out, size_t capacity);

}  // namespace qby::sound::sdl
