#include "app/LevelRecord.h"

#include <cmath>

namespace {

// The 64-bit-mantissa value nearest to pi.
constexpr long double kPi = 3.14159265358979323851L;
constexpr long double kDivisor = 1800.0L;

QString fourDecimals(long double value, const QString &separator)
{
    const long long units = std::llround(value * 10000.0L);
    const long long magnitude = units < 0 ? -units : units;
    QString text = QString::number(magnitude / 10000) + separator
                   + QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    return units < 0 ? QLatin1Char('-') + text : text;
}

} // namespace

std::int32_t wrappedProduct(std::int32_t a, std::int32_t b)
{
    const std::uint32_t low = std::uint32_t(a) * std::uint32_t(b);
    return low <= 0x7FFFFFFFu ? std::int32_t(low) : std::int32_t(std::int64_t(low) - 0x100000000LL);
}

QString coordinateText(std::int32_t x, std::int32_t y)
{
    return QStringLiteral("X: ") + QString::number(x) + QStringLiteral("  Y: ") + QString::number(y);
}

QString rotationText(int angle, const QString &decimalSeparator)
{
    const long double r = (static_cast<long double>(angle) * kPi) / kDivisor;
    QString text = fourDecimals(r, decimalSeparator);
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0)
        text[comma] = QLatin1Char('.');
    return text;
}

QStringList levelRecordLines(int objectKind, std::int32_t x, std::int32_t y, int angle, const QString &decimalSeparator)
{
    static const char *const kindLines[] = {nullptr, "type=bubbles", "type=grass", "type=shell"};
    QStringList lines;
    if (objectKind >= 1 && objectKind <= 3)
        lines << QString::fromLatin1(kindLines[objectKind]);
    lines << QStringLiteral("pos=") + QString::number(x) + QStringLiteral(",2,") + QString::number(y);
    lines << QStringLiteral("rot=0,") + rotationText(angle, decimalSeparator) + QStringLiteral(",0");
    return lines;
}
