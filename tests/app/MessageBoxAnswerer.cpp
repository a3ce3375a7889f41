#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer)
    : MessageBoxAnswerer(std::function<void(QMessageBox &)>())
{
    answerNext(answer);
}

MessageBoxAnswerer::MessageBoxAnswerer(std::function<void(QMessageBox &)> answer)
    : m_answer(std::move(answer))
{
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        informativeTexts << box->informativeText();
        titles << box->windowTitle();
        icons.push_back(box->icon());
        m_answer(*box);
    });
    m_poll.start(10);
}

void MessageBoxAnswerer::answerNext(QMessageBox::StandardButton answer)
{
    m_answer = [answer](QMessageBox &box) {
        QAbstractButton *button = box.button(answer);
        (button ? button : box.button(QMessageBox::Ok))->click();
    };
}
