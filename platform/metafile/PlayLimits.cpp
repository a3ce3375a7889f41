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
    if (m_clock.elapsed() > m_limits.timeBudgetMs)
        throw MetafileError("out of time");
}

void PlayBudget::takePoints(std::uint64_t count)
{
    if (count > m_limits.maxPoints || m_points + count > m_limits.maxPoints)
        throw MetafileError("too many points");
    m_points += count;
}

void PlayBudget::takeRasterWork(double crossings)
{
    m_rasterWork += crossings;
    if (!(m_rasterWork <= m_limits.maxRasterWork))
        throw MetafileError("too much to rasterise");
}

void PlayBudget::takeClipWork(double pairs)
{
    m_clipWork += pairs;
    if (!(m_clipWork <= m_limits.maxClipWork))
        throw MetafileError("clipping too complex");
}

void PlayBudget::checkImageSize(std::int64_t width, std::int64_t height) const
{
    if (width <= 0 || height <= 0 || width > m_limits.maxSide || height > m_limits.maxSide
        || width * height > m_limits.maxPixels)
        throw MetafileError("picture size out of range");
}

} // namespace platform::metafile
