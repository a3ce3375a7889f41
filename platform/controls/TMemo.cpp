#include "platform/controls/TMemo.h"

#include <QStringList>
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

QString TMemo::addLines(const QStringList &lines)
{
    const QLatin1String crlf("\r\n");
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // The document's last block is empty exactly when the text is empty or
    // ends with a line break; adding lines keeps it so.
    const bool endsWithBreak = document()->lastBlock().length() <= 1;
    QString added;
    cursor.beginEditBlock();
    for (const QString &line : lines) {
        if (endsWithBreak) {
            cursor.insertText(line);
            cursor.insertBlock();
            added += line + crlf;
        } else {
            cursor.insertBlock();
            cursor.insertText(line);
            added += crlf + line;
        }
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    return added;
}

void TMemo::clearUndoably()
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

} // namespace platform
