#pragma once

#include "platform/metafile/MetafileError.h"
#include "platform/metafile/MetafilePlayer.h"

#include <QElapsedTimer>
#include <QImage>

#include <cstdint>

namespace platform::metafile {

// What one playing may cost. A file that needs more is not a valid picture.
struct PlayLimits
{
    std::uint64_t maxRecords = 2'000'000;
    std::uint64_t maxPoints = 8'000'000;
    // One image held while playing: the shown part of the picture, or a bitmap in it.
    std::int64_t maxPixels = 4096 * 4096;
    int maxSide = 16384;
    int maxSaveDepth = 1024;
    // One drawing cannot be stopped once Qt runs it, so each is bounded ahead;
    // the clock bounds their sum.
    double maxRasterWork = 4'000'000; // picture rows crossed by one outline's edges
    double maxClipWork = 25'000'000;  // element pairs of two clip outlines combined
    std::int64_t timeBudgetMs = 3000;
};

// A spent limit fails the whole file, where damaged contents fail only their record.
class LimitError : public MetafileError
{
public:
    using MetafileError::MetafileError;
};

// Counts what a playing has used against its limits; throws when one is spent
// or a single drawing would cost more than it allows.
class PlayBudget
{
public:
    PlayBudget(const PlayLimits &limits, const QSize &viewSize);

    const PlayLimits &limits() const { return m_limits; }
    QSize viewSize() const { return m_viewSize; }
    void takeRecord();
    void checkTime() const;
    void takePoints(std::uint64_t count);
    void checkRasterWork(double crossings) const;
    void checkClipWork(double pairs) const;
    void checkImageSize(std::int64_t width, std::int64_t height) const;
    void checkSaveDepth(std::size_t depth) const;

private:
    PlayLimits m_limits;
    QSize m_viewSize;
    QElapsedTimer m_clock;
    std::uint64_t m_records = 0;
    std::uint64_t m_points = 0;
};

// The player with explicit limits; playMetafile uses the defaults.
std::optional<LoadedPicture> playMetafile(const QByteArray &data, MetafileFormat format, const QSize &viewSize,
                                          const PlayLimits &limits);

} // namespace platform::metafile
