#include "MessageDialog.h"

#include "MsgBox.h"
#include "Window.h"

#include <QApplication>
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

namespace {

// MsgBox as a dialog of its own, modal to the whole application; only an
// application with windows can show one.
bool showMsgBox(const String& text) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    QMessageBox box;
    box.setText(qt(text));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

} // namespace

// Installed while the program starts. The build names this object to the
// linker as needed, so every program that links the widgets half holds it,
// even one that calls nothing else of this file.
extern "C" const bool quillstoneMsgBoxDialogInstalled = (InstallMsgBoxDialog(showMsgBox), true);
