#include "platform/metafile/MetafilePlayer.h"

#include "platform/ByteReader.h"
#include "platform/metafile/EmfPlayer.h"
#include "platform/metafile/MetafileError.h"
#include "platform/metafile/PlayLimits.h"
#include "platform/metafile/WmfPlayer.h"

namespace platform {

namespace metafile {

std::optional<LoadedPicture> playMetafile(const QByteArray &data, MetafileFormat format, const QSize &viewSize,
                                          const PlayLimits &limits)
{
    if (viewSize.isEmpty())
        return std::nullopt;
    PlayBudget budget(limits, viewSize);
    try {
        LoadedPicture picture = format == MetafileFormat::Enhanced ? playEmf(data, budget) : playWmf(data, budget);
        if (picture.shown.isNull())
            return std::nullopt;
        return picture;
    } catch (const MetafileError &) {
        return std::nullopt;
    } catch (const DataCutShort &) {
        return std::nullopt;
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
}

} // namespace metafile

std::optional<LoadedPicture> playMetafile(const QByteArray &data, MetafileFormat format, const QSize &viewSize)
{
    return metafile::playMetafile(data, format, viewSize, metafile::PlayLimits{});
}

} // namespace platform
