#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

// Answers every message box that comes up, as a user would, and remembers it.
class MessageBoxAnswerer
{
public:
    // Clicks that button, or OK in a box without it (the error box).
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer);
    // Answers through the function, which gets the box.
    explicit MessageBoxAnswerer(std::function<void(QMessageBox &)> answer);

    void answerNext(QMessageBox::StandardButton answer);

    QStringList texts;
    QStringList informativeTexts;
    QStringList titles;
    std::vector<QMessageBox::Icon> icons;

private:
    std::function<void(QMessageBox &)> m_answer;
    QTimer m_poll;
};
