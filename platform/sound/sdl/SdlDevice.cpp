#include "platform/sound/sdl/SdlDevice.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace qby::sound::sdl {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPreferredRate = 44100;
constexpr int kPreferredChannels = 2;
// 512 frames at 44.1 kHz: the device asks for samples every 11.6 ms, so a sound starts within
// that time of the call (1024 frames made a sound wait up to 30 ms after another one).
constexpr Uint16 kBufferFrames = 512;
// A device that takes this much longer than the sound itself has stalled.
constexpr std::chrono::seconds kStallMargin{2};
constexpr std::chrono::milliseconds kStatusPoll{100};

struct Device {
    // Used by the caller's thread only (the caller serialises its calls).
    SDL_AudioDeviceID id = 0;
    bool audioStarted = false;
    int sampleRate = 0;
    std::size_t frameBytes = 0;
    Uint8 silence = 0;

    // The sound being played, shared with the audio thread (under streamMutex).
    std::mutex streamMutex;
    std::condition_variable streamDone;
    std::condition_variable streamGiven;  // a sound to play, or the device closing
    bool closing = false;
    const std::uint8_t* streamData = nullptr;
    std::size_t streamSize = 0;
    std::size_t streamPosition = 0;
    bool streamActive = false;
    Clock::time_point firstHanded;
    Clock::time_point lastHanded;
    std::size_t lastChunkBytes = 0;  // how much of the sound the last buffer held
};

Device& TheDevice()
{
    // Never destroyed: the audio thread may still call Fill while the process exits.
    static auto* device = new Device;
    return *device;
}

std::int64_t Nanoseconds(Clock::time_point at)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
}

// Runs on SDL's audio thread: hands the device the next piece of the sound, silence after its
// end. Between sounds it waits for the next one instead of handing over silence: the sound
// server would queue that silence ahead of the next sound (a whole buffer of it, 11.6 ms), and
// a device that is handed nothing costs the program no wake-ups.
void Fill(void* userdata, Uint8* stream, int length)
{
    auto& device = *static_cast<Device*>(userdata);
    const std::size_t wanted = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::size_t copied = 0;
    std::unique_lock lock(device.streamMutex);
    device.streamGiven.wait(lock, [&] { return device.streamActive || device.closing; });
    if (device.streamActive && device.streamData) {
        const Clock::time_point now = Clock::now();
        copied = std::min(wanted, device.streamSize - device.streamPosition);
        if (device.streamPosition == 0)
            device.firstHanded = now;
        std::memcpy(stream, device.streamData + device.streamPosition, copied);
        device.streamPosition += copied;
        if (device.streamPosition == device.streamSize) {
            device.lastHanded = now;
            device.lastChunkBytes = copied;
            device.streamActive = false;
            device.streamData = nullptr;
            device.streamDone.notify_all();
        }
    }
    std::memset(stream + copied, device.silence, wanted - copied);
}

}  // namespace

int OpenDevice(QbySoundFormat* obtainedFormat)
{
    Device& device = TheDevice();
    ReleaseDevice();
    if (!device.audioStarted) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return 0;
        device.audioStarted = true;
    }
    SDL_AudioSpec desired{};
    desired.freq = kPreferredRate;
    desired.format = AUDIO_F32SYS;
    desired.channels = kPreferredChannels;
    desired.samples = kBufferFrames;
    desired.callback = &Fill;
    desired.userdata = &device;
    SDL_AudioSpec obtained{};
    {
        std::lock_guard lock(device.streamMutex);
        device.closing = false;
    }
    device.id = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained,
                                    SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_FORMAT_CHANGE |
                                        SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    const std::size_t frameBytes =
        static_cast<std::size_t>(obtained.channels) * SDL_AUDIO_BITSIZE(obtained.format) / 8;
    if (device.id == 0 || obtained.freq <= 0 || obtained.samples == 0 || frameBytes == 0) {
        CloseDevice();
        return 0;
    }
    device.sampleRate = obtained.freq;
    device.frameBytes = frameBytes;
    device.silence = obtained.silence;
    *obtainedFormat = QbySoundFormat{obtained.freq, obtained.channels, obtained.format};
    // Running from the start: the audio thread waits in Fill for the first sound, which is then
    // the first thing the device is handed.
    SDL_PauseAudioDevice(device.id, 0);
    return 1;
}

int DeviceAlive()
{
    const Device& device = TheDevice();
    return device.id != 0 && SDL_GetAudioDeviceStatus(device.id) != SDL_AUDIO_STOPPED ? 1 : 0;
}

int PlayOnDevice(const uint8_t* samples, size_t size, int64_t durationMicroseconds,
                 QbySoundTimes* times)
{
    Device& device = TheDevice();
    if (device.id == 0 || samples == nullptr || size == 0 || durationMicroseconds < 0)
        return 0;
    {
        std::lock_guard lock(device.streamMutex);
        device.streamData = samples;
        device.streamSize = size;
        device.streamPosition = 0;
        device.streamActive = true;
    }
    device.streamGiven.notify_all();

    const Clock::time_point deadline =
        Clock::now() + std::chrono::microseconds(durationMicroseconds) + kStallMargin;
    bool handedOver = true;
    Clock::time_point lastHanded;
    std::size_t lastChunk = 0;
    {
        std::unique_lock lock(device.streamMutex);
        while (!device.streamDone.wait_for(lock, kStatusPoll, [&] { return !device.streamActive; })) {
            if (SDL_GetAudioDeviceStatus(device.id) == SDL_AUDIO_STOPPED || Clock::now() > deadline) {
                device.streamActive = false;
                device.streamData = nullptr;
                handedOver = false;
                break;
            }
        }
        times->firstSampleHanded = Nanoseconds(device.firstHanded);
        times->lastSampleHanded = Nanoseconds(lastHanded = device.lastHanded);
        lastChunk = device.lastChunkBytes;
    }
    if (!handedOver) {
        CloseDevice();
        return 0;
    }
    // The last samples handed over are still in the device's buffer: wait while they play.
    const auto lastFrames = static_cast<std::int64_t>(lastChunk / device.frameBytes);
    std::this_thread::sleep_until(
        lastHanded + std::chrono::microseconds(lastFrames * 1'000'000 / device.sampleRate));
    return 1;
}

namespace {

void CloseOpenDevice(Device& device)
{
    if (device.id == 0)
        return;
    {
        std::lock_guard lock(device.streamMutex);
        device.closing = true;  // the audio thread leaves Fill and ends
    }
    device.streamGiven.notify_all();
    SDL_CloseAudioDevice(device.id);
    device.id = 0;
}

}  // namespace

// A device that still works leaves SDL's audio started: the next sound then opens only a stream
// (half the time of starting the audio afresh, which loads the sound server's client library
// and connects to the server). A stopped one shuts it, as CloseDevice does.
void ReleaseDevice()
{
    Device& device = TheDevice();
    if (device.id != 0 && SDL_GetAudioDeviceStatus(device.id) == SDL_AUDIO_STOPPED) {
        CloseDevice();
        return;
    }
    CloseOpenDevice(device);
}

// The audio subsystem is shut with the device, so the next attempt looks for drivers afresh (a
// sound server that starts later is found then).
void CloseDevice()
{
    Device& device = TheDevice();
    CloseOpenDevice(device);
    if (device.audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device.audioStarted = false;
    }
}

}  // namespace qby::sound::sdl
