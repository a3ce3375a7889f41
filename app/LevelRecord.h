#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The text rules of the level editor: the cursor coordinate as shown, and
// the lines of one level record.

// The low 32 bits of the full product, as a signed value.
std::int32_t wrappedProduct(std::int32_t a, std::int32_t b);

// "X: 120  Y: 160".
QString coordinateText(std::int32_t x, std::int32_t y);

// The rotation of an angle in degrees, (angle * pi) / 1800 in extended
// precision, as "#0.0000" with the given decimal separator, then with the
// first "," replaced by ".".
QString rotationText(int angle, const QString &decimalSeparator);

// The lines of one record: the kind line for object kinds 1 to 3 (none for
// 0, the waypoint, or any other index), the position line and the rotation
// line.
QStringList levelRecordLines(int objectKind, std::int32_t x, std::int32_t y, int angle,
                             const QString &decimalSeparator);
