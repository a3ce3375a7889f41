#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace platform {

// Thrown when a read reaches past the bytes a reader was given.
class DataCutShort : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads from bytes it does not own, little-endian unless named otherwise.
// Any read past the end throws DataCutShort, so a parser can never reach
// outside the range it was given.
class ByteReader
{
public:
    ByteReader(const char *data, std::size_t size)
        : m_data(data),
          m_size(size)
    {}
    explicit ByteReader(const QByteArray &bytes)
        : m_data(bytes.constData()),
          m_size(static_cast<std::size_t>(bytes.size()))
    {}

    std::size_t size() const { return m_size; }
    std::size_t pos() const { return m_pos; }
    std::size_t remaining() const { return m_size - m_pos; }
    const char *data() const { return m_data; }

    void seek(std::uint64_t pos)
    {
        if (pos > m_size)
            throw DataCutShort("seek outside data");
        m_pos = static_cast<std::size_t>(pos);
    }
    void skip(std::uint64_t count)
    {
        if (count > remaining())
            throw DataCutShort("skip outside data");
        m_pos += static_cast<std::size_t>(count);
    }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)[0]); }
    std::uint16_t u16()
    {
        const auto *p = reinterpret_cast<const unsigned char *>(take(2));
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t u32()
    {
        const auto *p = reinterpret_cast<const unsigned char *>(take(4));
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
               | (std::uint32_t(p[3]) << 24);
    }
    std::uint32_t bigEndianU32()
    {
        const auto *p = reinterpret_cast<const unsigned char *>(take(4));
        return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8)
               | std::uint32_t(p[3]);
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32()
    {
        const std::uint32_t bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A sub-range [offset, offset + length) of this reader's data.
    ByteReader slice(std::uint64_t offset, std::uint64_t length) const
    {
        if (offset > m_size || length > m_size - offset)
            throw DataCutShort("slice outside data");
        return ByteReader(m_data + offset, static_cast<std::size_t>(length));
    }
    QByteArray bytes(std::uint64_t length)
    {
        const char *p = take(length);
        return QByteArray(p, static_cast<qsizetype>(length));
    }

private:
    const char *take(std::uint64_t count)
    {
        if (count > remaining())
            throw DataCutShort("read outside data");
        const char *p = m_data + m_pos;
        m_pos += static_cast<std::size_t>(count);
        return p;
    }

    const char *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// count * size, throwing when the product is larger than any data we read,
// so that comparing it with what remains cannot overflow.
inline std::uint64_t checkedBytes(std::uint64_t count, std::uint64_t size)
{
    if (size != 0 && count > (std::uint64_t(1) << 40) / size)
        throw DataCutShort("count too large");
    return count * size;
}

} // namespace platform
