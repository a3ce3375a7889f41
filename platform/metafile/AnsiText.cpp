#include "platform/metafile/AnsiText.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

namespace platform::metafile {

namespace {

// Code points of bytes 0x80..0x9F in the Western page; the rest is Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const char *codePageOf(std::uint8_t charset)
{
    switch (charset) {
    case 77: return "macintosh";
    case 128: return "Shift_JIS";
    case 129: return "windows-949";
    case 134: return "GBK";
    case 136: return "Big5";
    case 161: return "windows-1253";
    case 162: return "windows-1254";
    case 163: return "windows-1258";
    case 177: return "windows-1255";
    case 178: return "windows-1256";
    case 186: return "windows-1257";
    case 204: return "windows-1251";
    case 222: return "windows-874";
    case 238: return "windows-1250";
    case 255: return "IBM437";
    default: return nullptr;
    }
}

QString decodeWestern(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(b));
    }
    return text;
}

} // namespace

int westernCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u <= 0xFF)
        return u;
    const auto high = std::find(std::begin(kHighControls), std::end(kHighControls), u);
    return high == std::end(kHighControls) ? -1 : int(0x80 + (high - std::begin(kHighControls)));
}

QString decodeAnsi(const QByteArray &bytes, std::uint8_t charset)
{
    if (const char *codePage = codePageOf(charset)) {
        QStringDecoder decoder(codePage);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return decodeWestern(bytes);
}

} // namespace platform::metafile
