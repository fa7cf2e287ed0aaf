// Playing a sound held in memory, as the multimedia library's PlaySoundA does for the program.
//
// The sound is a complete WAVE file image (PCM or 32-bit float). The call is synchronous: it
// returns when the sound has been heard. Sounds never overlap. A missing or busy device, and a
// damaged image, make the call return at once without a sound; nothing is reported but the
// result.
//
// Unlike the original function, the caller passes the image's size: the image is untrusted
// data, and its own headers must not decide how far the reader goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using HMODULE = void*;

inline constexpr DWORD SND_SYNC = 0x0000;       // return when the sound has been heard
inline constexpr DWORD SND_ASYNC = 0x0001;      // not supported: such a call plays nothing
inline constexpr DWORD SND_NODEFAULT = 0x0002;  // never play a default sound instead (always so)
inline constexpr DWORD SND_MEMORY = 0x0004;     // `sound` is a WAVE image in memory (required)
inline constexpr DWORD SND_NOWAIT = 0x2000;     // while another sound plays, return at once

// Plays the image and returns nonzero when it was played; zero when nothing was played.
// `module` is ignored.
BOOL PlaySoundA(const void* sound, HMODULE module, DWORD flags, std::size_t soundSize);
BOOL PlaySoundA(std::span<const std::uint8_t> sound, HMODULE module, DWORD flags);

// A sound is likely to come soon (a button is pressed: its click, on the release, plays the
// sound): a released device starts opening in the background, so the sound need not wait for
// it. Nothing while a sound plays or while sounds are recorded by a test.
void PrepareSoundDevice();
