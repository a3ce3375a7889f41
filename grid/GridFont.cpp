#include "grid/GridFont.h"

#include "grid/GridCanvasFont.h"

TFont::TFont(QObject *parent)
    : QObject(parent)
{}

void TFont::SetName(const QString &value)
{
    Store(FName, value);
}
void TFont::SetHeight(int value)
{
    Store(FHeight, value);
}
void TFont::SetColor(TColor value)
{
    Store(FColor, value);
}
void TFont::SetStyle(TFontStyles value)
{
    Store(FStyle, value);
}
void TFont::SetCharset(int value)
{
    Store(FCharset, value);
}

int TFont::Size() const
{
    return ToCanvasFont(*this).size();
}

void TFont::SetSize(int value)
{
    platform::TFont sized;
    sized.setSize(value);
    Store(FHeight, sized.height());
}

void TFont::Assign(const TFont &source)
{
    if (&source == this)
        return;
    const bool differs = FName != source.FName || FHeight != source.FHeight || FColor != source.FColor
                         || FStyle != source.FStyle || FCharset != source.FCharset;
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
