// For a program that is built with the backend's sources rather than loading the library (the
// WAVE reader's fuzz target): the backend is the one linked in.
#include "platform/sound/SoundBackend.h"

namespace qby::sound {

const QbySoundBackend* SoundBackend()
{
    return qby_sound_backend();
}

}  // namespace qby::sound
