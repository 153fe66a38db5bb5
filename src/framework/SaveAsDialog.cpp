#include "SaveAsDialog.h"

#include "FileType.h"
#include "Window.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>

namespace {

// "Name (*.ext1 *.ext2)" for each registered type the filter names. A type
// without extensions stands for every file: it is offered as `allFiles`, the
// dialog's own filter for them, as its name is the program's, not the user's.
QStringList nameFilters(const String& filter, const QStringList& allFiles) {
    QStringList filters;
    for (const String& name : Str::Split(filter, ";")) {
        const auto type = FileType::Registered(name);
        if (!type)
            continue;
        QStringList patterns;
        for (const String& extension : type->ExtensionList())
            patterns << QLatin1Char('*') + QString::fromStdString(extension);
        if (patterns.isEmpty())
            filters << allFiles;
        else
            filters << QString::fromStdString(type->Name()) + QStringLiteral(" (") +
                           patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    filters.removeDuplicates();
    return filters;
}

// Qt's own save dialog passes over a new name longer than its folder
// allows in silence: Save stays disabled, and accepting does nothing. Such a
// name is taken as any other new name is, so that the program's write fails
// with the system's reason and the user is told.
class SaveDialog : public QFileDialog {
public:
    explicit SaveDialog(QWidget* parent) : QFileDialog(parent) {
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
    }

protected:
    void accept() override {
        if (namesNewFile())
            done(Accepted);
        else
            QFileDialog::accept();
    }

    // The dialog's widgets stand by now, unless the desktop shows its own
    // dialog instead, which refuses no name.
    void showEvent(QShowEvent* event) override {
        QFileDialog::showEvent(event);
        const auto* buttons = findChild<QDialogButtonBox*>();
        QPushButton* save = buttons ? buttons->button(QDialogButtonBox::Save) : nullptr;
        if (save && save != saveButton_) {
            saveButton_ = save;
            save->installEventFilter(this);
            keepSaveEnabled();
        }
    }

    // The dialog decides anew whether Save is enabled at every keystroke and
    // every change of folder; a new name keeps it enabled.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == saveButton_ && event->type() == QEvent::EnabledChange)
            keepSaveEnabled();
        return QFileDialog::eventFilter(watched, event);
    }

private:
    void keepSaveEnabled() {
        if (saveButton_ && !saveButton_->isEnabled() && namesNewFile())
            saveButton_->setEnabled(true);
    }

    // One name of a file that does not exist yet.
    bool namesNewFile() const {
        const QStringList files = selectedFiles();
        if (files.size() != 1)
            return false;
        const QFileInfo file(files.constFirst());
        return !file.fileName().isEmpty() && !file.exists() && !file.isDir();
    }

    QPointer<QPushButton> saveButton_;
};

} // namespace

FolderItemPtr SaveAsDialog::ShowModal() {
    return show(nullptr);
}

FolderItemPtr SaveAsDialog::ShowModalWithin(Window& parent) {
    return show(&parent);
}

FolderItemPtr SaveAsDialog::show(Window* parent) {
    SaveDialog dialog(parent ? parent->NativeWidget() : nullptr);
    dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (!Title.empty())
        dialog.setWindowTitle(QString::fromStdString(Title));
    const QStringList filters = nameFilters(Filter, dialog.nameFilters());
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (InitialDirectory)
        dialog.setDirectory(QString::fromStdString(InitialDirectory->NativePath()));
    dialog.selectFile(QString::fromStdString(SuggestedFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    return std::make_shared<FolderItem>(dialog.selectedFiles().constFirst().toStdString());
}
