#include "platform/pictures/RleDecoder.h"

#include <algorithm>

namespace platform {

namespace {

// Bytes of [begin, end) of a device, read in chunks, one at a time.
class ChunkedInput
{
public:
    ChunkedInput(QIODevice &device, qint64 begin, qint64 end)
        : m_device(device),
          m_left(end - begin),
          m_ok(device.seek(begin))
    {}

    // The next byte, or -1 at the end or when the device fails.
    int next()
    {
        if (m_at == m_chunk.size()) {
            const qint64 wanted = std::min<qint64>(m_left, kChunkBytes);
            if (!m_ok || wanted <= 0)
                return -1;
            m_chunk = m_device.read(wanted);
            m_at = 0;
            if (m_chunk.size() != wanted) {
                m_ok = false;
                return -1;
            }
            m_left -= wanted;
        }
        return uchar(m_chunk[m_at++]);
    }

private:
    static constexpr qint64 kChunkBytes = 64 * 1024;

    QIODevice &m_device;
    qint64 m_left;
    bool m_ok;
    QByteArray m_chunk;
    qsizetype m_at = 0;
};

// Where decoded pixels go: only those of the shown part are kept.
class ShownIndexes
{
public:
    ShownIndexes(const DibInfo &info, const QSize &shown, QByteArray &indexes)
        : m_rows(info.height),
          m_shown(shown),
          m_firstShownRow(info.height - shown.height()),
          m_indexes(indexes)
    {
        m_indexes.fill('\0', qsizetype(shown.width()) * shown.height());
    }

    // `count` pixels from the current position on, alternating `first` and
    // `second` (RLE4 runs; RLE8 runs give the same index twice).
    void run(qint64 count, int first, int second)
    {
        if (rowShown())
            for (qint64 x = m_x; x < std::min<qint64>(m_x + count, m_shown.width()); ++x)
                m_indexes[at(x)] = char((x - m_x) % 2 == 0 ? first : second);
        m_x += count;
    }
    void put(int index) { run(1, index, index); }
    void nextLine()
    {
        m_x = 0;
        ++m_y;
    }
    void move(int dx, int dy)
    {
        m_x += dx;
        m_y += dy;
    }
    bool done() const { return m_y >= m_rows; }

private:
    // Rows are stored from the bottom up, so the shown rows come last.
    bool rowShown() const { return m_y >= m_firstShownRow && m_y < m_rows && m_x < m_shown.width(); }
    qsizetype at(qint64 x) const { return qsizetype((m_rows - 1 - m_y) * m_shown.width() + x); }

    qint64 m_rows;
    QSize m_shown;
    qint64 m_firstShownRow;
    QByteArray &m_indexes;
    qint64 m_x = 0;
    qint64 m_y = 0;
};

// An absolute run of `count` pixels stored as they are, padded to 16 bits.
bool absoluteRun(ChunkedInput &in, ShownIndexes &out, int count, bool fourBits)
{
    const int bytes = fourBits ? (count + 1) / 2 : count;
    for (int i = 0; i < bytes; ++i) {
        const int byte = in.next();
        if (byte < 0)
            return false;
        if (!fourBits) {
            out.put(byte);
            continue;
        }
        out.put(byte >> 4);
        if (2 * i + 1 < count)
            out.put(byte & 0x0F);
    }
    return bytes % 2 == 0 || in.next() >= 0;
}

} // namespace

bool decodeRle(const DibInfo &info, QIODevice &device, qint64 begin, qint64 end, const QSize &shown,
               QByteArray &indexes)
{
    const bool fourBits = info.compression == DibCompression::Rle4;
    ChunkedInput in(device, begin, end);
    ShownIndexes out(info, shown, indexes);
    while (!out.done()) {
        const int count = in.next();
        const int value = in.next();
        if (value < 0)
            return false;
        if (count > 0) {
            if (fourBits)
                out.run(count, value >> 4, value & 0x0F);
            else
                out.run(count, value, value);
            continue;
        }
        switch (value) {
        case 0: out.nextLine(); break;
        case 1: return true;
        case 2: {
            const int dx = in.next();
            const int dy = in.next();
            if (dy < 0)
                return false;
            out.move(dx, dy);
            break;
        }
        default:
            if (!absoluteRun(in, out, value, fourBits))
                return false;
        }
    }
    return true;
}

} // namespace platform
