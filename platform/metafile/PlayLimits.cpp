#include "platform/metafile/PlayLimits.h"

namespace platform::metafile {

PlayBudget::PlayBudget(const PlayLimits &limits, const QSize &viewSize)
    : m_limits(limits),
      m_viewSize(viewSize)
{
    m_clock.start();
}

void PlayBudget::takeRecord()
{
    if (++m_records > m_limits.maxRecords)
        throw LimitError("too many records");
    checkTime();
}

void PlayBudget::checkTime() const
{
    if (m_clock.elapsed() > m_limits.timeBudgetMs)
        throw LimitError("out of time");
}

void PlayBudget::takePoints(std::uint64_t count)
{
    if (count > m_limits.maxPoints || m_points + count > m_limits.maxPoints)
        throw LimitError("too many points");
    m_points += count;
}

void PlayBudget::checkRasterWork(double crossings) const
{
    if (!(crossings <= m_limits.maxRasterWork))
        throw LimitError("drawing too costly to rasterise");
    checkTime();
}

void PlayBudget::checkClipWork(double pairs) const
{
    if (!(pairs <= m_limits.maxClipWork))
        throw LimitError("clip too costly to combine");
    checkTime();
}

void PlayBudget::checkImageSize(std::int64_t width, std::int64_t height) const
{
    if (width <= 0 || height <= 0 || width > m_limits.maxSide || height > m_limits.maxSide
        || width * height > m_limits.maxPixels)
        throw LimitError("picture size out of range");
}

void PlayBudget::checkSaveDepth(std::size_t depth) const
{
    if (depth >= std::size_t(m_limits.maxSaveDepth))
        throw LimitError("saved states too deep");
}

} // namespace platform::metafile
