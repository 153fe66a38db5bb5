#pragma once

#include "RectControl.h"

#include <functional>

class QPushButton;

class PushButton : public RectControl {
public:
    PushButton();

    const String& Caption() const { return caption_; }
    void Caption(const String& value);
    // Return presses the default button, Escape the cancel button.
    bool Default() const;
    void Default(bool value);
    bool Cancel() const { return cancel_; }
    void Cancel(bool value);

    void ApplyDesign(const DesignRecord& record) override;

    // Events: the window connects its handlers here; each receives the button first.
    std::function<void(PushButton&)> Action;

private:
    QPushButton& button() const;

    String caption_;
    bool cancel_ = false;
};
