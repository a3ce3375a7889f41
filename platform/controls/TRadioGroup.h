#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

namespace platform {

// A captioned box of radio buttons in one column, spread evenly over the
// box's height. ItemIndex is the checked item, -1 when none is.
class TRadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ title WRITE setTitle)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit TRadioGroup(QWidget *parent);

    QStringList items() const;
    void setItems(const QStringList &items);
    int itemIndex() const;
    void setItemIndex(int index);

    QRadioButton *button(int index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrangeButtons();
    void updateFocusProxy();

    QButtonGroup m_group;
    std::vector<QRadioButton *> m_buttons;
    int m_itemIndex = -1;
};

} // namespace platform
