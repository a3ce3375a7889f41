#pragma once

#include "grid/GridFont.h"
#include "grid/GridSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

// Settings for the grid's output elsewhere: printed pages and HTML tables.

class TPrintSettings : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font CONSTANT)
    Q_PROPERTY(TFont *HeaderFont READ HeaderFont CONSTANT)
    Q_PROPERTY(TFont *FooterFont READ FooterFont CONSTANT)
    Q_PROPERTY(QStringList TitleLines MEMBER FTitleLines NOTIFY changed)
    Q_PROPERTY(QString PageNumSep MEMBER FPageNumSep NOTIFY changed)
    Q_PROPERTY(QString DateFormat MEMBER FDateFormat NOTIFY changed)
    Q_PROPERTY(QString PagePrefix MEMBER FPagePrefix NOTIFY changed)
    Q_PROPERTY(QString PageSuffix MEMBER FPageSuffix NOTIFY changed)
    Q_PROPERTY(int TitleSpacing MEMBER FTitleSpacing NOTIFY changed)
    Q_PROPERTY(int PageNumberOffset MEMBER FPageNumberOffset NOTIFY changed)
    Q_PROPERTY(int MaxPagesOffset MEMBER FMaxPagesOffset NOTIFY changed)

public:
    explicit TPrintSettings(QObject *parent = nullptr);

    TFont *Font() const { return FFont; }
    TFont *HeaderFont() const { return FHeaderFont; }
    TFont *FooterFont() const { return FFooterFont; }
    QStringList TitleLines() const { return FTitleLines; }
    QString PageNumSep() const { return FPageNumSep; }
    QString DateFormat() const { return FDateFormat; }
    QString PagePrefix() const { return FPagePrefix; }
    QString PageSuffix() const { return FPageSuffix; }
    int TitleSpacing() const { return FTitleSpacing; }
    int PageNumberOffset() const { return FPageNumberOffset; }
    int MaxPagesOffset() const { return FMaxPagesOffset; }

private:
    TFont *FFont;
    TFont *FHeaderFont;
    TFont *FFooterFont;
    QStringList FTitleLines;
    QString FPageNumSep = QStringLiteral("/");
    QString FDateFormat = QStringLiteral("dd/mm/yyyy");
    QString FPagePrefix;
    QString FPageSuffix;
    int FTitleSpacing = 0;
    int FPageNumberOffset = 0;
    int FMaxPagesOffset = 0;
};

class THTMLSettings : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool SaveColor MEMBER FSaveColor NOTIFY changed)
    Q_PROPERTY(bool SaveFonts MEMBER FSaveFonts NOTIFY changed)
    Q_PROPERTY(int BorderSize MEMBER FBorderSize NOTIFY changed)
    Q_PROPERTY(int CellSpacing MEMBER FCellSpacing NOTIFY changed)
    Q_PROPERTY(int CellPadding MEMBER FCellPadding NOTIFY changed)
    Q_PROPERTY(int Width MEMBER FWidth NOTIFY changed)
    Q_PROPERTY(QList<int> ColWidths MEMBER FColWidths NOTIFY changed)
    Q_PROPERTY(bool XHTML MEMBER FXHTML NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool SaveColor() const { return FSaveColor; }
    bool SaveFonts() const { return FSaveFonts; }
    int BorderSize() const { return FBorderSize; }
    int CellSpacing() const { return FCellSpacing; }
    int CellPadding() const { return FCellPadding; }
    int Width() const { return FWidth; }
    QList<int> ColWidths() const { return FColWidths; }
    bool XHTML() const { return FXHTML; }

private:
    bool FSaveColor = true;
    bool FSaveFonts = true;
    int FBorderSize = 1;
    int FCellSpacing = 0;
    int FCellPadding = 0;
    int FWidth = 100;
    QList<int> FColWidths;
    bool FXHTML = false;
};
