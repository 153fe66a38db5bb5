#pragma once

#include "framework/FolderItem.h"
#include "framework/String.h"

class Window;

// The comparison window's dialogs: its one-button alert and its save panel.
namespace General {

// A caution alert with the message, the explanation and one "OK" button;
// modal to `parent` when one is given, otherwise application-modal.
void ShowAlertOK(const String& message, const String& explanation, Window* parent);

// The file the user confirmed, or none when the panel was cancelled.
FolderItemPtr ShowSavePanel(const String& suggestedName, const String& extension,
                            const FolderItemPtr& initialFolder, Window* parent);

} // namespace General
