#pragma once

#include "String.h"

// The framework's simple message box: the text and one "OK" button, modal.
// A program that links the widgets half shows it as a dialog while its
// application runs; a program that reads only, or a call made while no
// application with windows runs, writes the text to the standard error
// stream instead, followed by a line end, so that it is never lost.
void MsgBox(const String& text);

// How the widgets half shows the box: true when it was shown, false when no
// application with windows runs. The widgets half installs its dialog here
// when the program starts.
using MsgBoxDialog = bool (*)(const String& text);
void InstallMsgBoxDialog(MsgBoxDialog dialog);
