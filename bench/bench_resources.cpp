// Resource store speed: finding and copying a resource, and decoding a 300 x 225 word picture
// (JPEG) or a skin (bitmap) into a Picture. Decoding the word picture is the larger part of
// ShowWordPicture, whose target is 5 ms.
#include "platform/resources/ResourcePictures.h"
#include "platform/resources/Resources.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// Alternates two words, as a lesson moving to its next picture does.
const std::string kWords[] = {"ICECREAM", "BLACKSHOE"};

void LoadWordPictureBytes(benchmark::State& state)
{
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qby::LoadResData(kWords[next], "CUSTOM"));
        next ^= 1;
    }
}
BENCHMARK(LoadWordPictureBytes)->Unit(benchmark::kMicrosecond);

void DecodeWordPicture(benchmark::State& state)
{
    if (qby::LoadResData(kWords[0], "CUSTOM").empty()) {
        state.SkipWithError("the word pictures are not embedded");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const qby::Picture picture = qby::LoadPicture(qby::LoadResData(kWords[next], "CUSTOM"));
        benchmark::DoNotOptimize(picture.Handle());
        next ^= 1;
    }
}
BENCHMARK(DecodeWordPicture)->Unit(benchmark::kMillisecond);

void DecodeSkinBitmap(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qby::LoadResPicture("BTNNORMAL", qby::vbResBitmap).Handle());
}
BENCHMARK(DecodeSkinBitmap)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
