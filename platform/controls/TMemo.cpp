#include "platform/controls/TMemo.h"

#include <QTextBlock>
#include <QTextCursor>

namespace platform {

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

QString TMemo::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TMemo::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    setPlainText(plain);
}

void TMemo::addLine(const QString &line)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // The document's last block is empty exactly when the text is empty or
    // ends with a line break.
    if (document()->lastBlock().length() <= 1) {
        cursor.insertText(line);
        cursor.insertBlock();
    } else {
        cursor.insertBlock();
        cursor.insertText(line);
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace platform
