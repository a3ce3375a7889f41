#include "grid/DisplaySettings.h"

void TBands::SetPrimaryLength(int value)
{
    FTotalLength = value + FSecondaryLength;
    Store(FPrimaryLength, value);
}

void TBands::SetSecondaryLength(int value)
{
    FTotalLength = FPrimaryLength + value;
    Store(FSecondaryLength, value);
}

void TFloatingFooter::SetVisible(bool value)
{
    if (Store(FVisible, value))
        emit visibilityChanged(value);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle value)
{
    if (Store(FFooterStyle, value))
        emit styleChanged();
}
