#pragma once

#include <QWidget>

namespace platform {

// A one-pixel 3D frame drawn around the control's edge; it takes no input.
// Lowered: shadow colour on the top and left edges, highlight on the bottom
// and right; raised swaps the two.
class TBevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TBevelShape Shape READ shape WRITE setShape)
    Q_PROPERTY(TBevelStyle Style READ style WRITE setStyle)

public:
    enum TBevelShape { bsBox };
    Q_ENUM(TBevelShape)
    enum TBevelStyle { bsLowered, bsRaised };
    Q_ENUM(TBevelStyle)

    explicit TBevel(QWidget *parent);

    TBevelShape shape() const { return m_shape; }
    void setShape(TBevelShape shape);
    TBevelStyle style() const { return m_style; }
    void setStyle(TBevelStyle style);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TBevelShape m_shape = bsBox;
    TBevelStyle m_style = bsLowered;
};

} // namespace platform
