#include "grid/OutputSettings.h"

TPrintSettings::TPrintSettings(QObject *parent)
    : TGridSettings(parent),
      FFont(new TFont(this)),
      FHeaderFont(new TFont(this)),
      FFooterFont(new TFont(this))
{
    for (TFont *font : {FFont, FHeaderFont, FFooterFont})
        connect(font, &TFont::changed, this, &TGridSettings::changed);
}
