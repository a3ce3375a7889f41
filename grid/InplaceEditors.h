#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <memory>

// The grid's inplace editor controls. Each is created hidden and disabled
// with the grid as parent; editing itself belongs to the editing facility.

class TGridCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit TGridCombo(QWidget *grid);
};

class TGridSpin : public QSpinBox
{
    Q_OBJECT

public:
    explicit TGridSpin(QWidget *grid);
};

class TGridDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit TGridDatePicker(QWidget *grid);
};

class TGridCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TGridCheckBox(QWidget *grid);
};

// A text field with an ellipsis button.
class TGridEditBtn : public QLineEdit
{
    Q_OBJECT

public:
    explicit TGridEditBtn(QWidget *grid);
    QToolButton *Button() const { return FButton; }

private:
    QToolButton *FButton;
};

// A text field with a unit and an ellipsis button.
class TGridUnitEditBtn : public TGridEditBtn
{
    Q_OBJECT

public:
    explicit TGridUnitEditBtn(QWidget *grid);
};

class TGridButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TGridButton(QWidget *grid);
};

class TPopupButton : public QToolButton
{
    Q_OBJECT

public:
    explicit TPopupButton(QWidget *grid);
};

class TControlEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TControlEdit(QWidget *grid);
};

class TControlCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit TControlCombo(QWidget *grid);
};

// The full set, created in the grid's order. The date editor exists only
// when the platform offers one.
struct TInplaceEditors
{
    TInplaceEditors(QWidget *grid, bool withDatePicker, bool themesActive);
    TInplaceEditors(const TInplaceEditors &) = delete;
    TInplaceEditors &operator=(const TInplaceEditors &) = delete;

    std::unique_ptr<TGridCombo> Combo;
    std::unique_ptr<TGridSpin> Spin;
    std::unique_ptr<TGridDatePicker> DatePicker;
    std::unique_ptr<TGridCheckBox> CheckBox;
    std::unique_ptr<TGridEditBtn> EditBtn;
    std::unique_ptr<TGridUnitEditBtn> UnitEditBtn;
    std::unique_ptr<TGridButton> Button;
    std::unique_ptr<TPopupButton> PopupButton;
    std::unique_ptr<TControlEdit> ControlEdit;
    std::unique_ptr<TControlCombo> ControlCombo;
};
