#include "PreviewGrid.h"

#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

PreviewForm::PreviewForm() : form(std::make_unique<QWidget>())
{
    form->resize(200, 120);
    other = new QLineEdit(form.get());
    other->setGeometry(100, 0, 80, 20);
    grid = new TCellGrid(form.get());
    grid->SetLeft(0);
    grid->SetTop(0);
    grid->SetWidth(73);
    grid->SetHeight(75);
    grid->SetBorderStyle(bsNone);
    grid->SetColor(clMenu);
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetDefaultColWidth(75);
    grid->SetDefaultRowHeight(75);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->Font()->SetName(QStringLiteral("Tahoma"));
    grid->Font()->SetHeight(-11);
    grid->Font()->SetColor(clWindowText);
    grid->SetGridLineWidth(1);
    grid->SetOptions(goFixedHorzLine | goVertLine | goFixedVertLine | goRangeSelect | goDrawFocusSelected
                     | goHorzLine);
    grid->SetScrollBars(ssNone);
    grid->SetGridLineColor(clSilver);
    grid->SetSelectionColor(clBtnFace);
    grid->SetSelectionTextColor(clHighlightText);
    grid->OnGetAlignment = [this](QObject *, std::int32_t, std::int32_t, TAlignment &h, TVAlignment &v) {
        ++alignmentCalls;
        h = taCenter;
        v = vtaCenter;
    };
    grid->Loaded();
}

void PreviewForm::focusGrid()
{
    form->show();
    form->activateWindow();
    grid->setFocus();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

void PreviewForm::focusElsewhere()
{
    form->show();
    form->activateWindow();
    other->setFocus();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), other);
}

QImage PreviewForm::paint()
{
    alignmentCalls = 0;
    return grab(*grid);
}

int countPixels(const QImage &image, const QRect &rect, QRgb colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) == colour)
                ++count;
    return count;
}

QRect inkBounds(const QImage &image, const QRect &rect, QRgb background)
{
    QRect bounds;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace testsupport
