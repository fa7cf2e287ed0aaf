// The floor of bench/sound_latency.sh: the smallest SDL program that opens the default audio
// device with the settings Quillby asks for (44.1 kHz, stereo float, 512 frames) and plays a
// short tone. It prints the steady clock (nanoseconds) just before it starts SDL's audio, so the
// time to the first sample at the sound server can be taken from there.
#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

int g_frame = 0;

void Fill(void*, Uint8* stream, int length)
{
    auto* samples = reinterpret_cast<float*>(stream);
    const int frames = length / static_cast<int>(2 * sizeof(float));
    for (int i = 0; i < frames; ++i, ++g_frame) {
        const float value = g_frame < 44100 / 5 ? 0.25f * std::sin(g_frame * 0.0627f) : 0.0f;
        samples[2 * i] = samples[2 * i + 1] = value;
    }
}

}  // namespace

int main()
{
    const auto start = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(start).count()));
    std::fflush(stdout);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 1;
    SDL_AudioSpec desired{};
    desired.freq = 44100;
    desired.format = AUDIO_F32SYS;
    desired.channels = 2;
    desired.samples = 512;
    desired.callback = &Fill;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &desired, &obtained, 0);
    if (device == 0)
        return 1;
    SDL_PauseAudioDevice(device, 0);
    SDL_Delay(400);
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}
