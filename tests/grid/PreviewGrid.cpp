#include "PreviewGrid.h"

#include "TestSupport.h"
#include "grid/PreviewGridSettings.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

PreviewForm::PreviewForm()
    : form(std::make_unique<QWidget>())
{
    form->resize(200, 120);
    other = new QLineEdit(form.get());
    other->setGeometry(100, 0, 80, 20);
    grid = new TCellGrid(form.get());
    applyPreviewGridSettings(*grid);
    grid->move(0, 0);
    grid->OnGetAlignment = [this](QObject *, std::int32_t, std::int32_t, TAlignment &h, TVAlignment &v) {
        ++alignmentCalls;
        h = taCenter;
        v = vtaCenter;
    };
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
