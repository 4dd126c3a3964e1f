#pragma once

#include <QtGlobal>

#include <cstddef>

class ParameterImage;

// CRC-32C as the safety unit signs its parameter sets: reflected Castagnoli
// polynomial 0x82F63B78, register started at all ones and NOT inverted at
// the end (so the result is the complement of the usual CRC-32C). Passing a
// previous result as crc continues the computation over more bytes.
namespace Crc32c {

constexpr quint32 Polynomial = 0x82F63B78u;
constexpr quint32 InitialValue = 0xFFFFFFFFu;

// Uses the processor's crc32 instruction when it has one.
quint32 compute(const void* data, std::size_t size, quint32 crc = InitialValue);

// The two implementations, callable directly for tests and benchmarks.
quint32 computeWithTable(const void* data, std::size_t size, quint32 crc = InitialValue);
// Falls back to the table when the processor lacks SSE4.2.
quint32 computeWithHardware(const void* data, std::size_t size, quint32 crc = InitialValue);
bool hardwareAvailable();

// The five signature values of an image.
struct ImageSignature
{
    quint32 whole;
    quint32 system;
    quint32 monitor;
    quint32 signal;
    quint32 allData; // as if the four values above were already stored
};

ImageSignature imageSignature(const ParameterImage& image);
// Stores the signature into the image's trailer; nothing else changes.
void signImage(ParameterImage& image);

} // namespace Crc32c
