#include "MsgBox.h"

#include <cstdio>

namespace {

// Constant-initialized, so an installation made while the program starts
// is never overwritten by this file's own start.
MsgBoxDialog installedDialog = nullptr;

} // namespace

void InstallMsgBoxDialog(MsgBoxDialog dialog) {
    installedDialog = dialog;
}

void MsgBox(const String& text) {
    if (installedDialog && installedDialog(text))
        return;
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}
