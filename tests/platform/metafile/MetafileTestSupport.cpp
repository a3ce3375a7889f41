#include "MetafileTestSupport.h"

namespace testsupport {

std::optional<QImage> playWhole(const QByteArray &data, platform::MetafileFormat format)
{
    const QSize anyView(1 << 20, 1 << 20);
    const std::optional<platform::LoadedPicture> picture = platform::playMetafile(data, format, anyView);
    if (!picture)
        return std::nullopt;
    return picture->shown;
}

QRect inkBounds(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace testsupport
