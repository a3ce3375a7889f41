#include "platform/controls/TRadioGroup.h"

#include <QRadioButton>
#include <algorithm>

namespace platform {

TRadioGroup::TRadioGroup(QWidget *parent)
    : QGroupBox(parent)
{
    // Tab reaches the group at its checked item.
    setFocusPolicy(Qt::TabFocus);
    m_group.setExclusive(true);
    connect(&m_group, &QButtonGroup::idToggled, this, [this](int, bool) { updateFocusProxy(); });
}

QStringList TRadioGroup::items() const
{
    QStringList captions;
    for (const QRadioButton *button : m_buttons)
        captions << button->text();
    return captions;
}

void TRadioGroup::setItems(const QStringList &items)
{
    const int kept = m_buttons.empty() ? m_itemIndex : itemIndex();
    for (QRadioButton *button : m_buttons)
        delete button;
    m_buttons.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setFocusPolicy(Qt::StrongFocus);
        m_group.addButton(button, i);
        m_buttons.push_back(button);
        button->show();
    }
    setItemIndex(kept);
    updateFocusProxy();
    arrangeButtons();
}

int TRadioGroup::itemIndex() const
{
    return m_group.checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    // An index stored before the items takes effect when they come.
    m_itemIndex = index;
    if (index >= 0 && index < int(m_buttons.size())) {
        m_buttons[std::size_t(index)]->setChecked(true);
        return;
    }
    if (QAbstractButton *checked = m_group.checkedButton()) {
        m_group.setExclusive(false);
        checked->setChecked(false);
        m_group.setExclusive(true);
    }
}

QRadioButton *TRadioGroup::button(int index) const
{
    return index >= 0 && index < int(m_buttons.size()) ? m_buttons[std::size_t(index)] : nullptr;
}

void TRadioGroup::updateFocusProxy()
{
    QAbstractButton *checked = m_group.checkedButton();
    setFocusProxy(checked ? checked : button(0));
}

void TRadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrangeButtons();
}

void TRadioGroup::arrangeButtons()
{
    if (m_buttons.empty())
        return;
    // Below the caption, each item gets an equal share of the height.
    const QRect area = contentsRect();
    const int count = int(m_buttons.size());
    const int share = std::max(1, area.height() / count);
    for (int i = 0; i < count; ++i)
        m_buttons[std::size_t(i)]->setGeometry(area.left() + 6, area.top() + i * share, area.width() - 8, share);
}

} // namespace platform
