#include "platform/metafile/PlayLimits.h"

#include "platform/metafile/MetafileError.h"

namespace platform::metafile {

PlayBudget::PlayBudget(const PlayLimits &limits) : m_limits(limits)
{
    m_clock.start();
}

void PlayBudget::takeRecord()
{
    if (++m_records > m_limits.maxRecords)
        throw MetafileError("too many records");
    checkTime();
}

void PlayBudget::checkTime() const
{
    if (m_clock.elapsed() > m_limits.timeBudgetMs)
        throw MetafileError("out of time");
}

void PlayBudget::takePoints(std::uint64_t count)
{
    if (count > m_limits.maxPoints || m_points + count > m_limits.maxPoints)
        throw MetafileError("too many points");
    m_points += count;
}

void PlayBudget::checkRasterWork(double crossings) const
{
    if (!(crossings <= m_limits.maxRasterWork))
        throw MetafileError("drawing too costly to rasterise");
    checkTime();
}

void PlayBudget::checkClipWork(double pairs) const
{
    if (!(pairs <= m_limits.maxClipWork))
        throw MetafileError("clip too costly to combine");
    checkTime();
}

void PlayBudget::checkImageSize(std::int64_t width, std::int64_t height) const
{
    if (width <= 0 || height <= 0 || width > m_limits.maxSide || height > m_limits.maxSide
        || width * height > m_limits.maxPixels)
        throw MetafileError("picture size out of range");
}

} // namespace platform::metafile
