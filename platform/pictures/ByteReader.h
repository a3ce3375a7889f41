#pragma once

#include <QByteArray>

#include <cstdint>

namespace platform {

// Little- and big-endian reads from a byte array; the caller checks bounds.
inline std::uint32_t readU8(const QByteArray &data, qsizetype at)
{
    return std::uint8_t(data[at]);
}

inline std::uint32_t readLe16(const QByteArray &data, qsizetype at)
{
    return readU8(data, at) | (readU8(data, at + 1) << 8);
}

inline std::uint32_t readLe32(const QByteArray &data, qsizetype at)
{
    return readLe16(data, at) | (readLe16(data, at + 2) << 16);
}

inline std::int32_t readLeS32(const QByteArray &data, qsizetype at)
{
    const std::uint32_t v = readLe32(data, at);
    return v <= 0x7FFFFFFFu ? std::int32_t(v) : std::int32_t(std::int64_t(v) - 0x100000000LL);
}

inline std::uint32_t readBe32(const QByteArray &data, qsizetype at)
{
    return (readU8(data, at) << 24) | (readU8(data, at + 1) << 16) | (readU8(data, at + 2) << 8) | readU8(data, at + 3);
}

} // namespace platform
