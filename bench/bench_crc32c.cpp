// CRC-32C over one whole parameter image, as signing or checking a parameter
// file does five times (the areas and all data).
#include "parameter/crc32c.h"
#include "parameter/parameterimage.h"

#include <benchmark/benchmark.h>

namespace {

ParameterImage patternedImage()
{
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.data()[i] = static_cast<unsigned char>((i * 131 + 17) & 0xFF);
    return image;
}

void BM_Crc32cHardware(benchmark::State& state)
{
    if (!Crc32c::hardwareAvailable()) {
        state.SkipWithError("no SSE4.2 on this processor");
        return;
    }
    const ParameterImage image = patternedImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc32c::computeWithHardware(image.data(), ParameterImage::Size));
    state.SetBytesProcessed(int64_t(state.iterations()) * ParameterImage::Size);
}

void BM_Crc32cTable(benchmark::State& state)
{
    const ParameterImage image = patternedImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc32c::computeWithTable(image.data(), ParameterImage::Size));
    state.SetBytesProcessed(int64_t(state.iterations()) * ParameterImage::Size);
}

void BM_ImageSignature(benchmark::State& state)
{
    const ParameterImage image = patternedImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(Crc32c::imageSignature(image));
}

} // namespace

BENCHMARK(BM_Crc32cHardware);
BENCHMARK(BM_Crc32cTable);
BENCHMARK(BM_ImageSignature);

BENCHMARK_MAIN();
