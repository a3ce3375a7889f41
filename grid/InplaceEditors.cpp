#include "grid/InplaceEditors.h"

namespace {

// Every editor starts hidden and disabled until the editing facility shows it.
void makeIdle(QWidget &editor, const char *className)
{
    editor.setObjectName(QLatin1String(className));
    editor.hide();
    editor.setEnabled(false);
}

} // namespace

TGridCombo::TGridCombo(QWidget *grid)
    : QComboBox(grid)
{
    makeIdle(*this, "TGridCombo");
}

TGridSpin::TGridSpin(QWidget *grid)
    : QSpinBox(grid)
{
    makeIdle(*this, "TGridSpin");
    setFrame(false);
}

TGridDatePicker::TGridDatePicker(QWidget *grid)
    : QDateEdit(grid)
{
    makeIdle(*this, "TGridDatePicker");
    setCalendarPopup(true);
}

TGridCheckBox::TGridCheckBox(QWidget *grid)
    : QCheckBox(grid)
{
    makeIdle(*this, "TGridCheckBox");
}

TGridEditBtn::TGridEditBtn(QWidget *grid)
    : QLineEdit(grid),
      FButton(new QToolButton(this))
{
    makeIdle(*this, "TGridEditBtn");
    setFrame(false);
    FButton->setText(QStringLiteral("..."));
}

TGridUnitEditBtn::TGridUnitEditBtn(QWidget *grid)
    : TGridEditBtn(grid)
{
    setObjectName(QStringLiteral("TGridUnitEditBtn"));
}

TGridButton::TGridButton(QWidget *grid)
    : QPushButton(grid)
{
    makeIdle(*this, "TGridButton");
}

TPopupButton::TPopupButton(QWidget *grid)
    : QToolButton(grid)
{
    makeIdle(*this, "TPopupButton");
}

TControlEdit::TControlEdit(QWidget *grid)
    : QLineEdit(grid)
{
    makeIdle(*this, "TControlEdit");
}

TControlCombo::TControlCombo(QWidget *grid)
    : QComboBox(grid)
{
    makeIdle(*this, "TControlCombo");
}

TInplaceEditors::TInplaceEditors(QWidget *grid, bool withDatePicker, bool themesActive)
    : Combo(std::make_unique<TGridCombo>(grid)),
      Spin(std::make_unique<TGridSpin>(grid))
{
    if (withDatePicker)
        DatePicker = std::make_unique<TGridDatePicker>(grid);
    CheckBox = std::make_unique<TGridCheckBox>(grid);
    EditBtn = std::make_unique<TGridEditBtn>(grid);
    UnitEditBtn = std::make_unique<TGridUnitEditBtn>(grid);
    Button = std::make_unique<TGridButton>(grid);
    PopupButton = std::make_unique<TPopupButton>(grid);
    ControlEdit = std::make_unique<TControlEdit>(grid);
    ControlCombo = std::make_unique<TControlCombo>(grid);
    // The combo, spin and ellipsis editors follow the desktop theme when one is active.
    for (QWidget *editor : {static_cast<QWidget *>(Combo.get()), static_cast<QWidget *>(Spin.get()),
                            static_cast<QWidget *>(EditBtn.get())})
        editor->setProperty("ThemesActive", themesActive);
}
