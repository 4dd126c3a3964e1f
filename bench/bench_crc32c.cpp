// CRC-32C over one whole parameter image, as signing or checking a parameter
// file does five times (the areas and all data).
//
// Goal: the three-stream hardware path at 2.5 times or more the speed of one
// dependency chain of the same instruction (BM_Crc32cOneChain, measured in
// the same run), and its ratio to the slicing table (BM_Crc32cTable).
#include "parameter/crc32c.h"
#include "parameter/parameterimage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <nmmintrin.h>
#endif

namespace {

ParameterImage patternedImage()
{
    ParameterImage image;
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.data()[i] = static_cast<unsigned char>((i * 131 + 17) & 0xFF);
    return image;
}

#if defined(__x86_64__)
// The reference: every word through one register, so each crc32 waits for
// the one before it.
__attribute__((target("sse4.2"))) quint32 oneChain(const unsigned char* p, std::size_t size,
                                                   quint32 crc)
{
    quint64 wide = crc;
    for (; size >= 8; p += 8, size -= 8) {
        quint64 word;
        std::memcpy(&word, p, sizeof word);
        wide = _mm_crc32_u64(wide, word);
    }
    crc = quint32(wide);
    while (size--)
        crc = _mm_crc32_u8(crc, *p++);
    return crc;
}
#endif

bool skipWithoutHardware(benchmark::State& state)
{
    if (Crc32c::hardwareAvailable())
        return false;
    state.SkipWithError("no SSE4.2 on this processor");
    return true;
}

void BM_Crc32cOneChain(benchmark::State& state)
{
#if defined(__x86_64__)
    if (skipWithoutHardware(state))
        return;
    const ParameterImage image = patternedImage();
    if (oneChain(image.data(), ParameterImage::Size, Crc32c::InitialValue) !=
        Crc32c::computeWithTable(image.data(), ParameterImage::Size)) {
        state.SkipWithError("reference disagrees with the table");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(
            oneChain(image.data(), ParameterImage::Size, Crc32c::InitialValue));
    state.SetBytesProcessed(int64_t(state.iterations()) * ParameterImage::Size);
#else
    state.SkipWithError("x86-64 only");
#endif
}

void BM_Crc32cThreeStreams(benchmark::State& state)
{
    if (skipWithoutHardware(state))
        return;
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

BENCHMARK(BM_Crc32cOneChain);
BENCHMARK(BM_Crc32cThreeStreams);
BENCHMARK(BM_Crc32cTable);
BENCHMARK(BM_ImageSignature);

BENCHMARK_MAIN();
