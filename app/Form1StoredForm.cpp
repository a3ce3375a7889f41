#include "app/Main.h"
#include "grid/PreviewGridSettings.h"

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

// The orientation preview: its settings, and the main window's alignment handler.
StoredComponent previewGrid()
{
    StoredComponent grid{QStringLiteral("TCellGrid"), QStringLiteral("CellGrid1"), previewGridSettings(), {}};
    return on(grid, "OnGetAlignment", "CellGrid1GetAlignment");
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
    set(group, "Items",
        QStringList{QStringLiteral("Waypoint"), QStringLiteral("Bubble"), QStringLiteral("SeaGrass"),
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

    form.components = {bevel, image, label, openTerrain, memo,      group, clear,      save,
                       coord, scale, angle, randomAngle, angleText, grid,  openDialog, saveDialog};
    return form;
}
