#include "grid/GridFont.h"

#include "grid/GridCanvasFont.h"

#include <cmath>

TFont::TFont(QObject *parent) : QObject(parent) {}

void TFont::SetName(const QString &value) { Store(FName, value); }
void TFont::SetHeight(int value) { Store(FHeight, value); }
void TFont::SetColor(TColor value) { Store(FColor, value); }
void TFont::SetStyle(TFontStyles value) { Store(FStyle, value); }
void TFont::SetCharset(int value) { Store(FCharset, value); }

int TFont::Size() const
{
    return int(std::lround(-FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int value)
{
    Store(FHeight, -int(std::lround(value * double(PixelsPerInch) / 72.0)));
}

void TFont::Assign(const TFont &source)
{
    if (&source == this)
        return;
    const bool differs = FName != source.FName || FHeight != source.FHeight
        || FColor != source.FColor || FStyle != source.FStyle || FCharset != source.FCharset;
    FName = source.FName;
    FHeight = source.FHeight;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FCharset = source.FCharset;
    if (differs)
        emit changed();
}

QFont TFont::ToQFont() const
{
    return platform::toQFont(ToCanvasFont(*this).logicalFont());
}
