// Finding and loading the sound backend library (see SoundBackend.h).
#pragma once

#include "platform/sound/SoundBackend.h"

#include <string>

namespace qby::sound {

// The backend library beside libqbyplatform.so (in the build tree, build/platform; installed,
// the program's own folder); "" when that folder cannot be told.
std::string DefaultSoundBackendFile();

// Loads a backend library from this path. Null when the file is missing or cannot be loaded (a
// library it needs is missing), is not a backend, or is a backend of another version. A library
// once loaded stays loaded: its audio thread may run until the process ends.
const QbySoundBackend* LoadSoundBackend(const std::string& file);

}  // namespace qby::sound
