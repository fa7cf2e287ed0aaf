// The one SDL audio device of the process: opened with a small buffer so a sound starts within a
// few milliseconds, fed by SDL's audio thread from the sound being played.
#pragma once

#include "platform/sound/SoundBackend.h"

namespace qby::sound::sdl {

int OpenDevice(QbySoundFormat* obtained);
int DeviceAlive();
int PlayOnDevice(const uint8_t* samples, size_t size, int64_t durationMicroseconds,
                 QbySoundTimes* times);
void ReleaseDevice();
void CloseDevice();

}  // namespace qby::sound::sdl
