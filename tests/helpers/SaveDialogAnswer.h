#pragma once

#include <QString>
#include <functional>

class QWidget;

// An answer for ModalAnswer that saves as a user would: it types `path` into
// the save dialog's file name field and presses Save, and confirms replacing
// an existing file. An empty path cancels the dialog.
std::function<void(QWidget*)> saveAs(const QString& path);
