#include "SaveAsDialog.h"

#include "FileType.h"
#include "Window.h"

#include <QFileDialog>

namespace {

// "Name (*.ext1 *.ext2)" for each registered type the filter names; a type
// without extensions offers every file.
QStringList nameFilters(const String& filter) {
    QStringList filters;
    for (const String& name : Str::Split(filter, ";")) {
        const auto type = FileType::Registered(name);
        if (!type)
            continue;
        QStringList patterns;
        for (String extension : Str::Split(type->Extensions(), ";")) {
            extension = Str::Trim(extension);
            if (extension.empty())
                continue;
            if (extension.front() == '.')
                extension.erase(extension.begin());
            patterns << QStringLiteral("*.") + QString::fromStdString(extension);
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        filters << QString::fromStdString(type->Name()) + QStringLiteral(" (") +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
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
    const QStringList filters = nameFilters(Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (InitialDirectory)
        dialog.setDirectory(QString::fromStdString(InitialDirectory->NativePath()));
    dialog.selectFile(QString::fromStdString(SuggestedFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    return std::make_shared<FolderItem>(dialog.selectedFiles().constFirst().toStdString());
}
