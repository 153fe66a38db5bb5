#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Answers the next modal dialog the way a user would. Arm it before the call
// that opens the dialog; it waits for the active modal widget, records what
// the dialog shows, then lets `answer` act on it (by default: press its only
// button).
class ModalAnswer {
public:
    struct Seen {
        QString text;        // the message (QMessageBox::text)
        QString informative; // the explanation
        QStringList buttons; // captions of the visible buttons
        int icon = -1;       // QMessageBox::Icon
        bool appeared = false;
    };

    explicit ModalAnswer(std::function<void(QWidget*)> answer = {});
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    // Every dialog answered so far, in order.
    const QList<Seen>& dialogs() const { return seen_; }

private:
    void poll();
    void act(QWidget* modal);

    std::function<void(QWidget*)> answer_;
    QList<Seen> seen_;
    class QTimer* timer_ = nullptr;
};
