#include "platform/MetafilePlayer.h"

#include "platform/metafile/EmfPlayer.h"
#include "platform/metafile/MetafileError.h"
#include "platform/metafile/PlayLimits.h"
#include "platform/metafile/WmfPlayer.h"

namespace platform {

namespace metafile {

std::optional<QImage> playMetafile(const QByteArray &data, MetafileFormat format,
                                   const PlayLimits &limits)
{
    PlayBudget budget(limits);
    try {
        QImage image = format == MetafileFormat::Enhanced ? playEmf(data, budget)
                                                          : playWmf(data, budget);
        if (image.isNull())
            return std::nullopt;
        return image;
    } catch (const MetafileError &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

} // namespace metafile

std::optional<LoadedPicture> playMetafile(const QByteArray &data, MetafileFormat format, const QSize &viewSize)
{
    const std::optional<QImage> image = metafile::playMetafile(data, format, metafile::PlayLimits{});
    if (!image)
        return std::nullopt;
    return LoadedPicture{image->copy(QRect(QPoint(0, 0), image->size().boundedTo(viewSize))), image->size()};
}

} // namespace platform
