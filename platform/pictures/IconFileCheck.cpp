#include "platform/pictures/IconFileCheck.h"

#include "platform/pictures/BitmapFileCheck.h"
#include "platform/pictures/ByteReader.h"
#include "platform/pictures/PictureLoader.h"

namespace platform {

namespace {

constexpr qint64 kDirectoryHeader = 6;
constexpr qint64 kDirectoryEntry = 16;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

// Every chunk lies within the entry, the first is a sane IHDR, and IEND comes.
bool isCompletePng(const QByteArray &png)
{
    const qint64 size = png.size();
    qint64 at = kPngSignature.size();
    bool first = true;
    while (at + 12 <= size) {
        const qint64 length = readBe32(png, at);
        const QByteArray type = png.mid(at + 4, 4);
        if (length > 0x7FFFFFFF || at + 12 + length > size)
            return false;
        if (first) {
            if (type != "IHDR" || length != 13)
                return false;
            const qint64 width = readBe32(png, at + 8);
            const qint64 height = readBe32(png, at + 12);
            if (width == 0 || height == 0 || width * height > kMaxPicturePixels)
                return false;
            first = false;
        }
        if (type == "IEND")
            return true;
        at += 12 + length;
    }
    return false;
}

} // namespace

bool isCompleteIconFile(const QByteArray &data)
{
    const qint64 size = data.size();
    if (size < kDirectoryHeader || readLe16(data, 0) != 0 || readLe16(data, 2) != 1)
        return false;
    const qint64 count = readLe16(data, 4);
    const qint64 entriesEnd = kDirectoryHeader + count * kDirectoryEntry;
    if (count == 0 || entriesEnd > size)
        return false;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = kDirectoryHeader + i * kDirectoryEntry;
        const qint64 bytes = readLe32(data, entry + 8);
        const qint64 offset = readLe32(data, entry + 12);
        if (bytes == 0 || offset < entriesEnd || offset + bytes > size)
            return false;
        const QByteArray image = data.mid(offset, bytes);
        const bool valid = image.startsWith(kPngSignature) ? isCompletePng(image) : isCompleteIconBitmap(image);
        if (!valid)
            return false;
    }
    return true;
}

} // namespace platform
