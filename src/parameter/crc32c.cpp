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

#if defined(OBX_CRC32C_X86) && defined(__x86_64__)
// The register is linear in its start value: the CRC of A then B equals the
// CRC of A moved past |B| zero bytes, XOR the CRC of B started from zero.
// Moving a register past n zero bytes multiplies it by x^(8n) modulo the
// polynomial, which these tables do for one fixed n in four lookups.
constexpr quint32 multiplyModulo(quint32 a, quint32 b)
{
    // Bit-reflected polynomial product a * b modulo the polynomial.
    quint32 product = 0;
    for (quint32 mask = 0x80000000u; mask != 0; mask >>= 1) {
        if (a & mask)
            product ^= b;
        b = (b & 1u) ? (b >> 1) ^ Crc32c::Polynomial : b >> 1;
    }
    return product;
}

constexpr quint32 powerOfX(quint64 exponent)
{
    quint32 result = 0x80000000u; // x^0
    quint32 square = 0x40000000u; // x^1, then x^2, x^4, ...
    for (; exponent != 0; exponent >>= 1) {
        if (exponent & 1u)
            result = multiplyModulo(square, result);
        square = multiplyModulo(square, square);
    }
    return result;
}

struct ShiftTable
{
    quint32 t[4][256];
};

constexpr ShiftTable makeShiftTable(std::size_t bytes)
{
    const quint32 factor = powerOfX(quint64(bytes) * 8);
    ShiftTable table{};
    for (int k = 0; k < 4; ++k)
        for (quint32 i = 0; i < 256; ++i)
            table.t[k][i] = multiplyModulo(factor, i << (8 * k));
    return table;
}

quint32 shift(const ShiftTable& table, quint32 crc)
{
    return table.t[0][crc & 0xFFu] ^ table.t[1][(crc >> 8) & 0xFFu] ^
           table.t[2][(crc >> 16) & 0xFFu] ^ table.t[3][crc >> 24];
}

// One crc32 instruction takes three cycles but a new one can start every
// cycle, so three independent streams keep it busy; their registers are
// joined with the shift tables. Long blocks where there is much to do, short
// ones for the rest.
constexpr std::size_t LongBlock = 8192;
constexpr std::size_t ShortBlock = 256;
constexpr ShiftTable longShift = makeShiftTable(LongBlock);
constexpr ShiftTable shortShift = makeShiftTable(ShortBlock);

quint64 load64(const unsigned char* p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

__attribute__((target("sse4.2"))) quint32 threeStreams(const unsigned char*& p, std::size_t& size,
                                                       std::size_t block, const ShiftTable& table,
                                                       quint32 crc)
{
    while (size >= 3 * block) {
        quint64 a = crc, b = 0, c = 0;
        for (std::size_t i = 0; i < block; i += 8) {
            a = _mm_crc32_u64(a, load64(p + i));
            b = _mm_crc32_u64(b, load64(p + block + i));
            c = _mm_crc32_u64(c, load64(p + 2 * block + i));
        }
        crc = shift(table, shift(table, quint32(a)) ^ quint32(b)) ^ quint32(c);
        p += 3 * block;
        size -= 3 * block;
    }
    return crc;
}

__attribute__((target("sse4.2"))) quint32 hardwareCrc(const unsigned char* p, std::size_t size,
                                                      quint32 crc)
{
#if defined(__x86_64__)
    crc = threeStreams(p, size, LongBlock, longShift, crc);
    crc = threeStreams(p, size, ShortBlock, shortShift, crc);
    quint64 wide = crc;
    for (; size >= 8; p += 8, size -= 8)
        wide = _mm_crc32_u64(wide, load64(p));
    crc = quint32(wide);
#endif
    for (; size >= 4; p += 4, size -= 4) {
        quint32 word;
        std::memcpy(&word, p, sizeof word);
        crc = _mm_crc32_u32(crc, word);
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
