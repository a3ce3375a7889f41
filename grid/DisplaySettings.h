#pragma once

#include "grid/GridSettings.h"
#include "grid/GridTypes.h"

#include <QImage>

// Settings that change only how cells look: bands, in-cell controls, tree
// nodes, the background picture and the floating footer.

// Alternating row colours.
class TBands : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive NOTIFY changed)
    Q_PROPERTY(TColor PrimaryColor READ PrimaryColor WRITE SetPrimaryColor NOTIFY changed)
    Q_PROPERTY(int PrimaryLength READ PrimaryLength WRITE SetPrimaryLength NOTIFY changed)
    Q_PROPERTY(TColor SecondaryColor READ SecondaryColor WRITE SetSecondaryColor NOTIFY changed)
    Q_PROPERTY(int SecondaryLength READ SecondaryLength WRITE SetSecondaryLength NOTIFY changed)
    Q_PROPERTY(bool Print READ Print WRITE SetPrint NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    bool Active() const { return FActive; }
    void SetActive(bool value) { Store(FActive, value); }
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor value) { Store(FPrimaryColor, value); }
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor value) { Store(FSecondaryColor, value); }
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int value);
    bool Print() const { return FPrint; }
    void SetPrint(bool value) { Store(FPrint, value); }
    // The length of one primary and one secondary band together.
    int TotalLength() const { return FTotalLength; }

private:
    bool FActive = false;
    TColor FPrimaryColor = clInfoBk;
    TColor FSecondaryColor = clWindow;
    int FPrimaryLength = 1;
    int FSecondaryLength = 1;
    int FTotalLength = 2;
    bool FPrint = false;
};

// The look of check boxes, radio buttons and buttons drawn inside cells.
class TControlLook : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(int CheckSize READ CheckSize WRITE SetCheckSize NOTIFY changed)
    Q_PROPERTY(int RadioSize READ RadioSize WRITE SetRadioSize NOTIFY changed)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(TControlStyle ControlStyle READ ControlStyle WRITE SetControlStyle NOTIFY changed)
    Q_PROPERTY(QImage CheckedGlyph READ CheckedGlyph WRITE SetCheckedGlyph NOTIFY changed)
    Q_PROPERTY(QImage UnCheckedGlyph READ UnCheckedGlyph WRITE SetUnCheckedGlyph NOTIFY changed)
    Q_PROPERTY(QImage RadioOnGlyph READ RadioOnGlyph WRITE SetRadioOnGlyph NOTIFY changed)
    Q_PROPERTY(QImage RadioOffGlyph READ RadioOffGlyph WRITE SetRadioOffGlyph NOTIFY changed)
    Q_PROPERTY(bool FlatButton READ FlatButton WRITE SetFlatButton NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int value) { Store(FCheckSize, value); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int value) { Store(FRadioSize, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { Store(FControlStyle, value); }
    QImage CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const QImage &value) { Store(FCheckedGlyph, value); }
    QImage UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const QImage &value) { Store(FUnCheckedGlyph, value); }
    QImage RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const QImage &value) { Store(FRadioOnGlyph, value); }
    QImage RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const QImage &value) { Store(FRadioOffGlyph, value); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool value) { Store(FFlatButton, value); }

private:
    int FCheckSize = 15;
    int FRadioSize = 10;
    TColor FColor = clBlack;
    TControlStyle FControlStyle = csClassic;
    QImage FCheckedGlyph;
    QImage FUnCheckedGlyph;
    QImage FRadioOnGlyph;
    QImage FRadioOffGlyph;
    bool FFlatButton = false;
};

// Tree nodes in cells.
class TCellNode : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(TColor NodeColor READ NodeColor WRITE SetNodeColor NOTIFY changed)
    Q_PROPERTY(TCellNodeType NodeType READ NodeType WRITE SetNodeType NOTIFY changed)
    Q_PROPERTY(bool ShowTree READ ShowTree WRITE SetShowTree NOTIFY changed)
    Q_PROPERTY(QImage ExpandGlyph READ ExpandGlyph WRITE SetExpandGlyph NOTIFY changed)
    Q_PROPERTY(QImage ContractGlyph READ ContractGlyph WRITE SetContractGlyph NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor value) { Store(FNodeColor, value); }
    TCellNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TCellNodeType value) { Store(FNodeType, value); }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool value) { Store(FShowTree, value); }
    QImage ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(const QImage &value) { Store(FExpandGlyph, value); }
    QImage ContractGlyph() const { return FContractGlyph; }
    void SetContractGlyph(const QImage &value) { Store(FContractGlyph, value); }

private:
    TColor FColor = clSilver;
    TColor FNodeColor = clBlack;
    TCellNodeType FNodeType = cnFlat;
    bool FShowTree = false;
    QImage FExpandGlyph;
    QImage FContractGlyph;
};

// A picture behind the cells.
class TBackGround : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE SetBitmap NOTIFY changed)
    Q_PROPERTY(int Top READ Top WRITE SetTop NOTIFY changed)
    Q_PROPERTY(int Left READ Left WRITE SetLeft NOTIFY changed)
    Q_PROPERTY(TBackgroundDisplay Display READ Display WRITE SetDisplay NOTIFY changed)
    Q_PROPERTY(TBackgroundCells Cells READ Cells WRITE SetCells NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    QImage Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage &value) { Store(FBitmap, value); }
    int Top() const { return FTop; }
    void SetTop(int value) { Store(FTop, value); }
    int Left() const { return FLeft; }
    void SetLeft(int value) { Store(FLeft, value); }
    TBackgroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackgroundDisplay value) { Store(FDisplay, value); }
    TBackgroundCells Cells() const { return FCells; }
    void SetCells(TBackgroundCells value) { Store(FCells, value); }

private:
    QImage FBitmap;
    int FTop = 0;
    int FLeft = 0;
    TBackgroundDisplay FDisplay = bdTile;
    TBackgroundCells FCells = bcNormal;
};

// The footer row shown in a panel under the grid. Its changes repaint the
// footer panel, not the grid; showing or hiding it is announced apart.
class TFloatingFooter : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible NOTIFY changed)
    Q_PROPERTY(TFooterStyle FooterStyle READ FooterStyle WRITE SetFooterStyle NOTIFY changed)
    Q_PROPERTY(int Column READ Column WRITE SetColumn NOTIFY changed)

public:
    using TGridSettings::TGridSettings;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle value);
    int Column() const { return FColumn; }
    void SetColumn(int value) { Store(FColumn, value); }
    // Follows the grid's default row height.
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; }

signals:
    void visibilityChanged(bool visible);
    void styleChanged();

private:
    TColor FColor = clBtnFace;
    bool FVisible = false;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int FColumn = 0;
    int FHeight = 21;
};
