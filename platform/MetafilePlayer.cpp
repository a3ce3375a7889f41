#include "platform/MetafilePlayer.h"

namespace platform {

std::optional<QImage> playMetafile(const QByteArray &, MetafileFormat)
{
    return std::nullopt;
}

} // namespace platform
