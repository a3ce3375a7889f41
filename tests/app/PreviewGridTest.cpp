#include "app/Main.h"
#include "platform/controls/TScrollBar.h"

#include <QTest>
#include <gtest/gtest.h>

// The preview grid as the main window's stored form builds it.
TEST(PreviewGrid, StoredFormGivesOneEmptyCellWithoutBorderOrScrollBars)
{
    TForm1 form;
    const TCellGrid &grid = *form.CellGrid1;
    EXPECT_EQ(grid.geometry(), QRect(688, 80, 73, 75));
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.ScrollBars(), ssNone);
    EXPECT_EQ(grid.BorderStyle(), bsNone);
    EXPECT_EQ(grid.ClientWidth(), 73);
    EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 75, 75));
    EXPECT_EQ(grid.Options(),
              goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goDrawFocusSelected);

    EXPECT_EQ(grid.Color(), clMenu);
    EXPECT_EQ(grid.SelectionColor(), clBtnFace);
    EXPECT_EQ(grid.SelectionTextColor(), clHighlightText);
    EXPECT_EQ(grid.GridLineColor(), clSilver);
    EXPECT_EQ(grid.Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(grid.Font()->Height(), -11);
    EXPECT_EQ(grid.Font()->Style(), TFontStyles());
    EXPECT_EQ(grid.ActiveCellFont()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(grid.ActiveCellFont()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(grid.VAlignment(), vtaTop);
    EXPECT_EQ(grid.ScrollWidth(), 16);
    EXPECT_EQ(grid.FixedRowHeight(), 75);
    EXPECT_EQ(grid.FloatingFooter()->Height(), 75);
    EXPECT_EQ(grid.FooterPanel()->height(), 0);
    EXPECT_EQ(grid.FixedFooters(), 0);
    EXPECT_FALSE(grid.ColumnSize()->Save());
    EXPECT_FALSE(grid.DropTargetRegistered());
    EXPECT_FALSE(grid.Bands()->Active());
    EXPECT_TRUE(grid.IntelliZoom());
    EXPECT_EQ(grid.RestingCursor(), crDefault);
    EXPECT_EQ(TCellGrid::AnchorCursor(), crHandPoint);

    // The form holds no cell texts: nothing is stored until the angle moves.
    EXPECT_EQ(grid.StoredCellCount(), 0u);
    EXPECT_EQ(grid.CellGraphicKind(0, 0), ctEmpty);

    ASSERT_TRUE(grid.OnGetAlignment);
    TAlignment horizontal = taLeftJustify;
    TVAlignment vertical = vtaTop;
    grid.OnGetAlignment(form.CellGrid1, 0, 0, horizontal, vertical);
    EXPECT_EQ(horizontal, taCenter);
    EXPECT_EQ(vertical, vtaCenter);
}

TEST(PreviewGrid, EveryAngleChangeRotatesTheOneCell)
{
    TForm1 form;
    form.show();
    form.ScrollBar1->setValue(45);
    TCellGrid &grid = *form.CellGrid1;
    ASSERT_EQ(grid.CellGraphicKind(0, 0), ctRotated);
    EXPECT_EQ(grid.FindCellGraphic(0, 0)->CellAngle, 45);
    EXPECT_EQ(grid.ReadCellText(0, 0), QStringLiteral("orientation"));
    const TCellProperties *properties = grid.CellProperties(0, 0);

    form.ScrollBar1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.ScrollBar1, Qt::Key_End);
    EXPECT_EQ(grid.FindCellGraphic(0, 0)->CellAngle, 359);
    EXPECT_EQ(grid.CellProperties(0, 0), properties);
    EXPECT_EQ(grid.StoredCellCount(), 1u);
}

TEST(PreviewGrid, TheGridTakesTheFormResizeHandlerForItsLife)
{
    TForm1 form;
    EXPECT_TRUE(form.OnResize());
    EXPECT_FALSE(form.CellGrid1->PreviousFormResize());
}
