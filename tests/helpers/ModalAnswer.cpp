#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

ModalAnswer::ModalAnswer(std::function<void(QWidget*)> answer)
    : answer_(std::move(answer)), timer_(new QTimer) {
    timer_->setInterval(5);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { poll(); });
    timer_->start();
}

ModalAnswer::~ModalAnswer() {
    delete timer_;
}

void ModalAnswer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal->property("quillstoneAnswered").toBool())
        return;
    modal->setProperty("quillstoneAnswered", true);
    Seen seen;
    seen.appeared = true;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.informative = box->informativeText();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            if (button->isVisible())
                seen.buttons << button->text();
    }
    seen_ << seen;
    // Answer once this poll has returned: the answer may open another modal
    // dialog (a confirmation), which the timer must still be free to answer.
    QMetaObject::invokeMethod(
        timer_, [this, dialog = QPointer<QWidget>(modal)] { act(dialog); }, Qt::QueuedConnection);
}

void ModalAnswer::act(QWidget* modal) {
    if (!modal)
        return;
    if (answer_) {
        answer_(modal);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (!buttons.isEmpty())
            buttons.first()->click();
        return;
    }
    modal->close();
}
