#include "MessageDialog.h"

#include "Window.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon qtIcon(int icon) {
    switch (icon) {
    case MessageDialog::Caution:
        return QMessageBox::Warning;
    case MessageDialog::Stop:
        return QMessageBox::Critical;
    case MessageDialog::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::Information;
    }
}

QString qt(const String& text) {
    return QString::fromStdString(text);
}

} // namespace

MessageDialogButton* MessageDialog::ShowModal() {
    return show(nullptr);
}

MessageDialogButton* MessageDialog::ShowModalWithin(Window& parent) {
    return show(&parent);
}

MessageDialogButton* MessageDialog::show(Window* parent) {
    QMessageBox box(parent ? parent->NativeWidget() : nullptr);
    box.setIcon(qtIcon(Icon));
    if (!Title.empty())
        box.setWindowTitle(qt(Title));
    box.setText(qt(Message));
    box.setInformativeText(qt(Explanation));
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    struct Choice {
        MessageDialogButton* button;
        QMessageBox::ButtonRole role;
    };
    const Choice choices[] = {{&ActionButton, QMessageBox::AcceptRole},
                              {&AlternateActionButton, QMessageBox::DestructiveRole},
                              {&CancelButton, QMessageBox::RejectRole}};
    std::vector<std::pair<QAbstractButton*, MessageDialogButton*>> shown;
    for (const Choice& choice : choices) {
        if (choice.button->Visible)
            shown.emplace_back(box.addButton(qt(choice.button->Caption), choice.role),
                               choice.button);
    }
    if (!shown.empty())
        box.setDefaultButton(static_cast<QPushButton*>(shown.front().first));
    box.exec();
    for (const auto& [qtButton, button] : shown) {
        if (box.clickedButton() == qtButton)
            return button;
    }
    return CancelButton.Visible ? &CancelButton : &ActionButton;
}

void MsgBox(const String& text) {
    QMessageBox box;
    box.setText(qt(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
