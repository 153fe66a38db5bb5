#pragma once

#include "String.h"

class Window;

struct MessageDialogButton {
    String Caption;
    bool Visible = true;
};

// A modal message box: an icon, a message, an explanation and up to three buttons.
class MessageDialog {
public:
    enum IconKind { Note = 0, Caution = 1, Stop = 2, Question = 3 };

    int Icon = Note;
    String Title;
    String Message;
    String Explanation;
    MessageDialogButton ActionButton{"OK", true};
    MessageDialogButton CancelButton{"Cancel", false};
    MessageDialogButton AlternateActionButton{"Don't Save", false};

    // Application-modal; returns the button that closed the dialog.
    MessageDialogButton* ShowModal();
    // Modal to `parent`, attached to it.
    MessageDialogButton* ShowModalWithin(Window& parent);

private:
    MessageDialogButton* show(Window* parent);
};
