#pragma once

#include <QPlainTextEdit>

namespace platform {

// Multi-line text field: word wrap, a vertical scroll bar only, Enter breaks
// the line, Tab moves the focus, no length limit. Its Text separates lines
// with CR LF.
class TMemo : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit TMemo(QWidget *parent);

    QString text() const;
    void setText(const QString &text);

    // Adds one line after everything there. A text that ends with a line
    // break (or is empty) gets the line and then CR LF; a last line without
    // a break gets CR LF and then the line. Afterwards the caret stands after
    // the added text, nothing is selected, and the caret is scrolled into view.
    void addLine(const QString &line);
};

} // namespace platform
