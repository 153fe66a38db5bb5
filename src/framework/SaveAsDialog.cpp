#include "SaveAsDialog.h"

#include "FileType.h"
#include "Window.h"

#include <QFileDialog>

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

} // namespace

FolderItemPtr SaveAsDialog::ShowModal() {
    return show(nullptr);
}

FolderItemPtr SaveAsDialog::ShowModalWithin(Window& parent) {
    return show(&parent);
}

FolderItemPtr SaveAsDialog::show(Window* parent) {
    QFileDialog dialog(parent ? parent->NativeWidget() : nullptr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
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
