#include "General.h"

#include "framework/FileType.h"
#include "framework/MessageDialog.h"
#include "framework/SaveAsDialog.h"

namespace General {

void ShowAlertOK(const String& message, const String& explanation, Window* parent) {
    MessageDialog dialog;
    dialog.Icon = MessageDialog::Caution;
    dialog.ActionButton.Caption = "OK";
    dialog.CancelButton.Visible = false;
    dialog.AlternateActionButton.Visible = false;
    dialog.Message = message;
    dialog.Explanation = explanation;
    if (parent)
        dialog.ShowModalWithin(*parent);
    else
        dialog.ShowModal();
}

FolderItemPtr ShowSavePanel(const String& suggestedName, const String& extension,
                            const FolderItemPtr& initialFolder, Window* parent) {
    FileType type;
    type.Name("FileType");
    type.Extensions(extension);
    SaveAsDialog dialog;
    dialog.Filter = type;
    dialog.SuggestedFileName = suggestedName;
    dialog.InitialDirectory = initialFolder;
    return parent ? dialog.ShowModalWithin(*parent) : dialog.ShowModal();
}

} // namespace General
