#pragma once

#include <QLabel>

namespace platform {

// Static text that takes no focus; with AutoSize it is sized to its text.
class TLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)

public:
    explicit TLabel(QWidget *parent);

    void setCaption(const QString &caption);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToText();

    bool m_autoSize = true;
};

} // namespace platform
