#include "crc32c.h"

#include "parameter/parameterimage.h"

#include <QtEndian>

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <nmmintrin.h>
#define OBX_CRC32C_X86 1
#endif

namespace {

// Slicing-by-8 tables: table[0] is the classic byte table, table[k] advances
// a byte that lies k positions further ahead.
struct Tables
{
    quint32 t[8][256];
};

constexpr Tables makeTables()
{
    Tables tables{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1u) ? (c >> 1) ^ Crc32c::Polynomial : c >> 1;
        tables.t[0][i] = c;
    }
    for (int i = 0; i < 256; ++i)
        for (int k = 1; k < 8; ++k)
            tables.t[k][i] = (tables.t[k - 1][i] >> 8) ^ tables.t[0][tables.t[k - 1][i] & 0xFFu];
    return tables;
}

constexpr Tables tables = makeTables();

quint32 tableCrc(const unsigned char* p, std::size_t size, quint32 crc)
{
    const auto& t = tables.t;
    while (size >= 8) {
        const quint32 lo =
            crc ^ (quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
        const quint32 hi =
            quint32(p[4]) | quint32(p[5]) << 8 | quint32(p[6]) << 16 | quint32(p[7]) << 24;
        crc = t[7][lo & 0xFFu] ^ t[6][(lo >> 8) & 0xFFu] ^ t[5][(lo >> 16) & 0xFFu] ^
              t[4][lo >> 24] ^ t[3][hi & 0xFFu] ^ t[2][(hi >> 8) & 0xFFu] ^
              t[1][(hi >> 16) & 0xFFu] ^ t[0][hi >> 24];
        p += 8;
        size -= 8;
    }
    while (size--)
        crc = (crc >> 8) ^ t[0][(crc ^ *p++) & 0xFFu];
    return crc;
}

#ifdef OBX_CRC32C_X86
// The crc32 instruction implements exactly this register update (no
// inversion of its own), so no adjustment is needed around it.
__attribute__((target("sse4.2"))) quint32 hardwareCrc(const unsigned char* p, std::size_t size,
                                                      quint32 crc)
{
    while (size && (reinterpret_cast<std::uintptr_t>(p) & 7u)) {
        crc = _mm_crc32_u8(crc, *p++);
        --size;
    }
#if defined(__x86_64__)
    quint64 wide = crc;
    while (size >= 8) {
        quint64 word;
        std::memcpy(&word, p, sizeof word);
        wide = _mm_crc32_u64(wide, word);
        p += 8;
        size -= 8;
    }
    crc = quint32(wide);
#endif
    while (size >= 4) {
        quint32 word;
        std::memcpy(&word, p, sizeof word);
        crc = _mm_crc32_u32(crc, word);
        p += 4;
        size -= 4;
    }
    while (size--)
        crc = _mm_crc32_u8(crc, *p++);
    return crc;
}
#endif

using CrcFunction = quint32 (*)(const unsigned char*, std::size_t, quint32);

CrcFunction bestFunction()
{
#ifdef OBX_CRC32C_X86
    if (Crc32c::hardwareAvailable())
        return hardwareCrc;
#endif
    return tableCrc;
}

} // namespace

namespace Crc32c {

bool hardwareAvailable()
{
#ifdef OBX_CRC32C_X86
    static const bool available = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("sse4.2") != 0;
    }();
    return available;
#else
    return false;
#endif
}

quint32 compute(const void* data, std::size_t size, quint32 crc)
{
    static const CrcFunction function = bestFunction();
    return function(static_cast<const unsigned char*>(data), size, crc);
}

quint32 computeWithTable(const void* data, std::size_t size, quint32 crc)
{
    return tableCrc(static_cast<const unsigned char*>(data), size, crc);
}

quint32 computeWithHardware(const void* data, std::size_t size, quint32 crc)
{
#ifdef OBX_CRC32C_X86
    if (hardwareAvailable())
        return hardwareCrc(static_cast<const unsigned char*>(data), size, crc);
#endif
    return tableCrc(static_cast<const unsigned char*>(data), size, crc);
}

ImageSignature imageSignature(const ParameterImage& image)
{
    using namespace ParameterLayout;
    const unsigned char* bytes = image.data();

    ImageSignature signature;
    signature.whole = compute(bytes, DataAreaEnd);
    signature.system = compute(bytes + SystemAreaBegin, SystemAreaEnd - SystemAreaBegin);
    signature.monitor = compute(bytes + MonitorAreaBegin, MonitorAreaEnd - MonitorAreaBegin);
    signature.signal = compute(bytes + SignalAreaBegin, SignalAreaEnd - SignalAreaBegin);

    // The all-data range covers the four values just computed. The register
    // after the three areas is the whole-area value, so only the trailer
    // (with the new values in place) remains to be fed.
    unsigned char trailer[AllDataEnd - TrailerBegin];
    std::memcpy(trailer, bytes + TrailerBegin, sizeof trailer);
    qToLittleEndian<quint32>(signature.whole, trailer + (WholeCrcOffset - TrailerBegin));
    qToLittleEndian<quint32>(signature.system, trailer + (SystemCrcOffset - TrailerBegin));
    qToLittleEndian<quint32>(signature.monitor, trailer + (MonitorCrcOffset - TrailerBegin));
    qToLittleEndian<quint32>(signature.signal, trailer + (SignalCrcOffset - TrailerBegin));
    signature.allData = compute(trailer, sizeof trailer, signature.whole);
    return signature;
}

void signImage(ParameterImage& image)
{
    const ImageSignature signature = imageSignature(image);
    image.setWholeCRC(signature.whole);
    image.setSystemCRC(signature.system);
    image.setMonitorCRC(signature.monitor);
    image.setSignalCRC(signature.signal);
    image.setAllDataCRC(signature.allData);
}

} // namespace Crc32c
