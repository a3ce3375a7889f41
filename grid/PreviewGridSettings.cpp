#include "grid/PreviewGridSettings.h"

#include "platform/Colors.h"

#include <QVariantList>

#include <utility>

namespace {

struct Settings
{
    std::vector<platform::StoredProperty> properties;
};

void set(Settings &settings, const char *property, const QVariant &value)
{
    settings.properties.push_back({QString::fromLatin1(property), value});
}

void setFont(Settings &settings, const char *font, const char *name, int height, const char *style)
{
    auto field = [font](const char *field) { return QByteArray(font) + '.' + field; };
    set(settings, field("Charset").constData(), 1);
    set(settings, field("Color").constData(), uint(clWindowText));
    set(settings, field("Height").constData(), height);
    set(settings, field("Name").constData(), QString::fromLatin1(name));
    // An empty style set is stored as no flags at all.
    set(settings, field("Style").constData(), *style ? QVariant(QString::fromLatin1(style)) : QVariant(0));
}

} // namespace

std::vector<platform::StoredProperty> previewGridSettings()
{
    Settings grid;
    for (const auto &[name, value] :
         {std::pair<const char *, int>{"Left", 688}, {"Top", 80}, {"Width", 73}, {"Height", 75}})
        set(grid, name, value);
    set(grid, "Cursor", 0);
    set(grid, "BorderStyle", QStringLiteral("bsNone"));
    set(grid, "Color", uint(clMenu));
    set(grid, "ColCount", 1);
    set(grid, "RowCount", 1);
    set(grid, "Ctl3D", true);
    set(grid, "ParentCtl3D", false);
    set(grid, "DefaultColWidth", 75);
    set(grid, "DefaultRowHeight", 75);
    set(grid, "DefaultDrawing", false);
    set(grid, "FixedCols", 0);
    set(grid, "FixedRows", 0);
    setFont(grid, "Font", "Tahoma", -11, "");
    set(grid, "ParentFont", false);
    set(grid, "GridLineWidth", 1);
    set(grid, "Options",
        QStringLiteral("goFixedHorzLine|goVertLine|goFixedVertLine|goRangeSelect|goDrawFocusSelected|goHorzLine"));
    set(grid, "ScrollBars", QStringLiteral("ssNone"));
    set(grid, "TabOrder", 10);
    set(grid, "GridLineColor", uint(clSilver));
    set(grid, "ActiveCellShow", false);
    setFont(grid, "ActiveCellFont", "MS Sans Serif", -11, "fsBold");
    set(grid, "ActiveCellColor", uint(clGray));
    set(grid, "Bands.PrimaryColor", uint(clInfoBk));
    set(grid, "Bands.PrimaryLength", 1);
    set(grid, "Bands.SecondaryColor", uint(clWindow));
    set(grid, "Bands.SecondaryLength", 1);
    set(grid, "Bands.Print", false);
    for (const char *off :
         {"AutoNumAlign", "AutoSize", "EnhTextSize", "EnhRowColMove", "SizeWithForm", "Multilinecells"})
        set(grid, off, false);
    set(grid, "VAlignment", QStringLiteral("vtaTop"));
    set(grid, "DragDropSettings.OleAcceptFiles", true);
    set(grid, "DragDropSettings.OleAcceptText", true);
    set(grid, "SortSettings.AutoColumnMerge", false);
    set(grid, "SortSettings.Column", 0);
    set(grid, "SortSettings.Show", false);
    set(grid, "SortSettings.IgnoreBlanks", false);
    set(grid, "SortSettings.IgnoreCase", false);
    set(grid, "SortSettings.Full", true);
    set(grid, "SortSettings.AutoFormat", true);
    set(grid, "SortSettings.Direction", QStringLiteral("sdAscending"));
    set(grid, "SortSettings.InitSortDirection", QStringLiteral("sdAscending"));
    set(grid, "SortSettings.IndexShow", false);
    set(grid, "SortSettings.IndexColor", uint(clYellow));
    set(grid, "SortSettings.NormalCellsOnly", false);
    set(grid, "SortSettings.UndoSort", false);
    set(grid, "SortSettings.Row", 0);
    set(grid, "FloatingFooter.Color", uint(clBtnFace));
    set(grid, "FloatingFooter.Column", 0);
    set(grid, "FloatingFooter.FooterStyle", QStringLiteral("fsFixedLastRow"));
    set(grid, "FloatingFooter.Visible", false);
    set(grid, "ControlLook.Color", uint(clBlack));
    set(grid, "ControlLook.CheckSize", 15);
    set(grid, "ControlLook.RadioSize", 10);
    set(grid, "ControlLook.ControlStyle", QStringLiteral("csClassic"));
    set(grid, "ControlLook.FlatButton", false);
    set(grid, "EnableBlink", false);
    set(grid, "EnableHTML", true);
    set(grid, "EnableWheel", true);
    set(grid, "Flat", false);
    set(grid, "HintColor", uint(clInfoBk));
    set(grid, "SelectionColor", uint(clBtnFace));
    set(grid, "SelectionTextColor", uint(clHighlightText));
    for (const char *off : {"SelectionRectangle", "SelectionResizer", "SelectionRTFKeep", "HintShowCells",
                            "HintShowLargeText", "HintShowSizing"})
        set(grid, off, false);
    setFont(grid, "PrintSettings.FooterFont", "MS Sans Serif", -11, "");
    setFont(grid, "PrintSettings.HeaderFont", "MS Sans Serif", -11, "");
    setFont(grid, "PrintSettings.Font", "MS Sans Serif", -11, "");
    set(grid, "PrintSettings.PageNumSep", QStringLiteral("/"));
    set(grid, "PrintSettings.DateFormat", QStringLiteral("dd/mm/yyyy"));
    set(grid, "PrintSettings.TitleSpacing", 0);
    set(grid, "PrintSettings.PageNumberOffset", 0);
    set(grid, "PrintSettings.MaxPagesOffset", 0);
    set(grid, "HTMLSettings.Width", 100);
    set(grid, "HTMLSettings.XHTML", false);
    set(grid, "Navigation.AdvanceDirection", QStringLiteral("adLeftRight"));
    set(grid, "Navigation.InsertPosition", QStringLiteral("pInsertBefore"));
    set(grid, "Navigation.HomeEndKey", QStringLiteral("heFirstLastColumn"));
    set(grid, "ColumnSize.Location", QStringLiteral("clRegistry"));
    set(grid, "CellNode.Color", uint(clSilver));
    set(grid, "CellNode.NodeColor", uint(clBlack));
    set(grid, "CellNode.ShowTree", false);
    set(grid, "MaxEditLength", 0);
    set(grid, "IntelliPan", QStringLiteral("ipVertical"));
    set(grid, "URLColor", uint(clBlue));
    set(grid, "URLShow", false);
    set(grid, "URLFull", false);
    set(grid, "URLEdit", false);
    set(grid, "ScrollType", QStringLiteral("ssNormal"));
    set(grid, "ScrollColor", uint(clNone));
    set(grid, "ScrollWidth", 16);
    set(grid, "ScrollSynch", false);
    set(grid, "ScrollProportional", false);
    set(grid, "ScrollHints", QStringLiteral("shNone"));
    set(grid, "OemConvert", false);
    set(grid, "FixedFooters", 0);
    set(grid, "FixedRightCols", 0);
    set(grid, "FixedColWidth", 75);
    set(grid, "FixedRowHeight", 75);
    setFont(grid, "FixedFont", "Tahoma", -11, "");
    set(grid, "FixedAsButtons", false);
    set(grid, "FloatFormat", QStringLiteral("%.2f"));
    set(grid, "IntegralHeight", false);
    set(grid, "WordWrap", false);
    set(grid, "Lookup", false);
    set(grid, "LookupCaseSensitive", false);
    set(grid, "LookupHistory", false);
    set(grid, "BackGround.Top", 0);
    set(grid, "BackGround.Left", 0);
    set(grid, "BackGround.Display", QStringLiteral("bdTile"));
    set(grid, "BackGround.Cells", QStringLiteral("bcNormal"));
    set(grid, "Filter.Items", QVariantList());
    return grid.properties;
}

void applyPreviewGridSettings(QObject &grid)
{
    auto *loadable = dynamic_cast<platform::Loadable *>(&grid);
    if (loadable)
        loadable->loading();
    for (const platform::StoredProperty &property : previewGridSettings()) {
        if (property.name != QLatin1String("TabOrder"))
            platform::applyStoredProperty(grid, property);
    }
    if (loadable)
        loadable->loaded();
}
