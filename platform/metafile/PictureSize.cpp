#include "platform/metafile/PictureSize.h"

#include "platform/metafile/MetafileCanvas.h"

#include <cmath>

namespace platform::metafile {

namespace {

constexpr double kMaxPictureArea = 4096.0 * 4096.0;
constexpr double kMaxUnplacedWidth = 1024;

} // namespace

PictureFit fitPicture(const QSizeF &natural)
{
    const double width = std::abs(natural.width());
    const double height = std::abs(natural.height());
    if (!std::isfinite(width) || !std::isfinite(height) || width * height == 0)
        throw MetafileError("empty frame");
    const double scale = width * height > kMaxPictureArea ? std::sqrt(kMaxPictureArea / (width * height)) : 1.0;
    const auto side = [scale](double length) { return std::max(1.0, std::round(length * scale)); };
    if (side(width) > MetafileCanvas::kCoordinateLimit || side(height) > MetafileCanvas::kCoordinateLimit)
        throw MetafileError("picture too long");
    return PictureFit{QSize(int(side(width)), int(side(height))), scale};
}

PictureFit fitUnplacedPicture(const QSizeF &natural)
{
    const double width = std::abs(natural.width());
    const double scale = width > kMaxUnplacedWidth ? kMaxUnplacedWidth / width : 1.0;
    PictureFit fit = fitPicture(natural * scale);
    fit.scale *= scale;
    return fit;
}

QImage shownPartImage(const QSize &size, const PlayBudget &budget)
{
    const QSize shown = size.boundedTo(budget.viewSize());
    budget.checkImageSize(shown.width(), shown.height());
    QImage image(shown, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw LimitError("no memory for the picture");
    image.fill(Qt::transparent);
    return image;
}

} // namespace platform::metafile
