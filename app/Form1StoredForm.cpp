#include "app/Main.h"

#include "platform/Colors.h"
#include "platform/FormFonts.h"

#include <QStringList>

using platform::StoredComponent;
using platform::StoredForm;

namespace {

StoredComponent placed(const char *className, const char *name, int left, int top, int width, int height)
{
    return StoredComponent{QString::fromLatin1(className),
                           QString::fromLatin1(name),
                           {{QStringLiteral("Left"), left},
                            {QStringLiteral("Top"), top},
                            {QStringLiteral("Width"), width},
                            {QStringLiteral("Height"), height}},
                           {}};
}

StoredComponent &set(StoredComponent &component, const char *property, const QVariant &value)
{
    component.properties.push_back({QString::fromLatin1(property), value});
    return component;
}

StoredComponent &on(StoredComponent &component, const char *event, const char *handler)
{
    component.events.push_back({QString::fromLatin1(event), QString::fromLatin1(handler)});
    return component;
}

StoredComponent &setFont(StoredComponent &component, const char *font, const char *name, int height,
                         const char *style)
{
    auto field = [font](const char *field) { return QByteArray(font) + '.' + field; };
    set(component, field("Charset").constData(), 1);
    set(component, field("Color").constData(), uint(clWindowText));
    set(component, field("Height").constData(), height);
    set(component, field("Name").constData(), QString::fromLatin1(name));
    // An empty style set is stored as no flags at all.
    const QVariant styles = *style ? QVariant(QString::fromLatin1(style)) : QVariant(0);
    return set(component, field("Style").constData(), styles);
}

// The orientation preview: one 75 x 75 cell with no fixed cells, no border
// and no scroll bars; every optional facility of the grid stays off.
StoredComponent previewGrid()
{
    StoredComponent grid = placed("TCellGrid", "CellGrid1", 688, 80, 73, 75);
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
    for (const char *off : {"AutoNumAlign", "AutoSize", "EnhTextSize", "EnhRowColMove", "SizeWithForm", "Multilinecells"})
        set(grid, off, false);
    set(grid, "VAlignment", QStringLiteral("vtaTop"));
    on(grid, "OnGetAlignment", "CellGrid1GetAlignment");
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
    return grid;
}

} // namespace

StoredForm form1StoredForm()
{
    StoredForm form;
    form.properties = {
        {QStringLiteral("Left"), 235},
        {QStringLiteral("Top"), 245},
        {QStringLiteral("Width"), 849},
        {QStringLiteral("Height"), 602},
        {QStringLiteral("Caption"), QStringLiteral("Quorin-Levelmaker")},
        {QStringLiteral("Color"), uint(clBtnFace)},
        {QStringLiteral("Font"), platform::formFont(platform::kWindowFontFamily, 11)},
    };

    StoredComponent bevel = placed("TBevel", "Bevel1", 8, 8, 529, 529);
    set(bevel, "Shape", QStringLiteral("bsBox"));
    set(bevel, "Style", QStringLiteral("bsLowered"));

    StoredComponent image = placed("TImage", "Image1", 16, 16, 512, 512);
    on(image, "OnClick", "Image1Click");
    on(image, "OnMouseMove", "Image1MouseMove");

    StoredComponent label = placed("TLabel", "Label1", 656, 16, 57, 13);
    set(label, "Caption", QStringLiteral("ScaleFactor"));

    StoredComponent openTerrain = placed("TButton", "OpenTerrain", 440, 544, 97, 25);
    set(openTerrain, "Caption", QStringLiteral("OpenTerrain"));
    set(openTerrain, "TabOrder", 0);
    on(openTerrain, "OnClick", "OpenTerrainClick");

    StoredComponent memo = placed("TMemo", "Memo1", 544, 184, 289, 353);
    set(memo, "TabOrder", 1);

    StoredComponent group = placed("TRadioGroup", "rg", 544, 8, 97, 97);
    set(group, "Caption", QStringLiteral("Object"));
    set(group, "ItemIndex", 0);
    set(group, "Items", QStringList{QStringLiteral("Waypoint"), QStringLiteral("Bubble"), QStringLiteral("SeaGrass"),
                                    QStringLiteral("SeaShell")});
    set(group, "TabOrder", 2);

    StoredComponent clear = placed("TButton", "Button1", 672, 544, 75, 25);
    set(clear, "Caption", QStringLiteral("Clear"));
    set(clear, "TabOrder", 3);
    on(clear, "OnClick", "Button1Click");

    StoredComponent save = placed("TButton", "Button2", 760, 544, 75, 25);
    set(save, "Caption", QStringLiteral("Save"));
    set(save, "TabOrder", 4);
    on(save, "OnClick", "Button2Click");

    StoredComponent coord = placed("TEdit", "ef_coord", 8, 544, 121, 21);
    set(coord, "Color", uint(clBtnFace));
    set(coord, "ReadOnly", true);
    set(coord, "TabOrder", 5);
    set(coord, "Text", QStringLiteral("ef_coord"));

    StoredComponent scale = placed("TSpinEdit", "se_scale", 728, 11, 81, 22);
    set(scale, "MaxValue", 10);
    set(scale, "MinValue", 1);
    set(scale, "TabOrder", 6);
    set(scale, "Value", 4);

    StoredComponent angle = placed("TScrollBar", "ScrollBar1", 656, 160, 177, 16);
    set(angle, "Max", 359);
    set(angle, "PageSize", 0);
    set(angle, "TabOrder", 7);
    on(angle, "OnChange", "ScrollBar1Change");

    StoredComponent randomAngle = placed("TCheckBox", "CheckBox1", 656, 48, 97, 17);
    set(randomAngle, "Caption", QStringLiteral("Random Angle"));
    set(randomAngle, "TabOrder", 8);

    StoredComponent angleText = placed("TEdit", "ef_angle", 784, 128, 41, 21);
    set(angleText, "Color", uint(clBtnFace));
    set(angleText, "ReadOnly", true);
    set(angleText, "TabOrder", 9);
    set(angleText, "Text", QStringLiteral("0"));

    StoredComponent grid = previewGrid();

    StoredComponent openDialog{QStringLiteral("TOpenDialog"), QStringLiteral("OpenDialog1"), {}, {}};
    set(openDialog, "Filter", QStringLiteral("Bitmap-Dateien|*.BMP"));

    StoredComponent saveDialog{QStringLiteral("TSaveDialog"), QStringLiteral("SaveDialog1"), {}, {}};
    set(saveDialog, "Filter", QStringLiteral("Level files (*.txt)|*.txt|All files (*)|*"));

    form.components = {bevel, image, label, openTerrain, memo, group, clear, save, coord,
                       scale, angle, randomAngle, angleText, grid, openDialog, saveDialog};
    return form;
}
