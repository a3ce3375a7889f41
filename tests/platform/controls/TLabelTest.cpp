#include "platform/controls/TLabel.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using platform::TLabel;

TEST(TLabel, FitsItsTextUntilAutoSizeIsTurnedOff)
{
    TLabel label(nullptr);
    label.setCaption(QStringLiteral("Angle"));
    const auto fitted = [&label] {
        const QFontMetrics metrics(label.font());
        return QSize(metrics.horizontalAdvance(label.text()), metrics.height());
    };
    EXPECT_EQ(label.size(), fitted());

    QFont larger = label.font();
    larger.setPixelSize(30);
    label.setFont(larger);
    EXPECT_EQ(label.size(), fitted());

    label.setAutoSize(false);
    label.resize(7, 7);
    label.setCaption(QStringLiteral("Object kind"));
    EXPECT_EQ(label.size(), QSize(7, 7));
    label.setAutoSize(true);
    EXPECT_EQ(label.size(), fitted());
}
