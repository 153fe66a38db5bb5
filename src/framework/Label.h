#pragma once

#include "Colour.h"
#include "RectControl.h"

class QLabel;

// A line of text that the user cannot edit.
class Label : public RectControl {
public:
    Label();

    const String& Text() const { return text_; }
    void Text(const String& value);

    // 0 default (left), 1 left, 2 centred, 3 right.
    std::int64_t TextAlignment() const { return textAlignment_; }
    void TextAlignment(std::int64_t value);
    // The older property for the same: 0 left, 1 centred, 2 right.
    std::int64_t TextAlign() const;
    void TextAlign(std::int64_t value);

    Colour TextColor() const { return textColor_; }
    void TextColor(Colour value);
    bool Multiline() const { return multiline_; }
    void Multiline(bool value);
    bool Selectable() const { return selectable_; }
    void Selectable(bool value);

    void ApplyDesign(const DesignRecord& record) override;

private:
    QLabel& label() const;

    String text_;
    std::int64_t textAlignment_ = 0;
    Colour textColor_;
    bool multiline_ = false;
    bool selectable_ = false;
};
