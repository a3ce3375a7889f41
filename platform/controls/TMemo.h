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

    // Adds lines, which hold no line breaks, after everything there, as one
    // step of the undo history. A text that ends with a line break (or is
    // empty) gets each line and then CR LF; a last line without a break gets
    // CR LF and then each line. Afterwards the caret stands after the added
    // text, nothing is selected, and the caret is scrolled into view.
    // Returns the added text as Text shows it.
    QString addLines(const QStringList &lines);
    void addLine(const QString &line) { addLines({line}); }

    // Empties the text as one step that undo takes back.
    void clearUndoably();
};

} // namespace platform
