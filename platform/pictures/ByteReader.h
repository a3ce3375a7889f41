#pragma once

#include <QByteArray>

#include <cstdint>

namespace platform {

// Little- and big-endian reads from bytes it does not own. A read past the
// end gives 0 and leaves ok() false for good, so a parser can read a whole
// header and check once.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes)
        : m_data(bytes.constData()),
          m_size(bytes.size())
    {}

    qsizetype size() const { return m_size; }
    qsizetype pos() const { return m_pos; }
    bool ok() const { return m_ok; }

    void seek(qint64 pos)
    {
        if (pos < 0 || pos > m_size)
            m_ok = false;
        else
            m_pos = qsizetype(pos);
    }

    std::uint32_t u8()
    {
        const unsigned char *p = take(1);
        return p ? p[0] : 0;
    }
    std::uint32_t le16()
    {
        const unsigned char *p = take(2);
        return p ? std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) : 0;
    }
    std::uint32_t le32()
    {
        const unsigned char *p = take(4);
        return p ? std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
                       | (std::uint32_t(p[3]) << 24)
                 : 0;
    }
    std::int32_t leS32()
    {
        const std::uint32_t v = le32();
        return v <= 0x7FFFFFFFu ? std::int32_t(v) : std::int32_t(std::int64_t(v) - 0x100000000LL);
    }
    std::uint32_t be32()
    {
        const unsigned char *p = take(4);
        return p ? (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8)
                       | std::uint32_t(p[3])
                 : 0;
    }

private:
    const unsigned char *take(qsizetype count)
    {
        if (!m_ok || count > m_size - m_pos) {
            m_ok = false;
            return nullptr;
        }
        const auto *p = reinterpret_cast<const unsigned char *>(m_data + m_pos);
        m_pos += count;
        return p;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace platform
