#include "Label.h"

#include "Colour_p.h"
#include "Exceptions.h"

#include <QLabel>

namespace {

const DesignSetters<Label>& labelSetters() {
    static const DesignSetters<Label> setters = [] {
        DesignSetters<Label> s;
        Label::AddControlSetters(s);
        Label::AddFontSetters(s);
        s.Set("Text", &Label::Text)
            .Set("TextAlignment", &Label::TextAlignment)
            .Set("TextColor", &Label::TextColor)
            .Set("Multiline", &Label::Multiline)
            .Set("Selectable", &Label::Selectable);
        return s;
    }();
    return setters;
}

} // namespace

Label::Label() : RectControl(new QLabel) {
    label().setTextFormat(Qt::PlainText);
    TextAlignment(textAlignment_);
}

void Label::Text(const String& value) {
    text_ = value;
    label().setText(QString::fromStdString(value));
}

void Label::TextAlignment(std::int64_t value) {
    static constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignLeft,
                                                       Qt::AlignHCenter, Qt::AlignRight};
    if (value < 0 || value > 3)
        throw OutOfBoundsException("There is no text alignment " + std::to_string(value) + ".");
    textAlignment_ = value;
    label().setAlignment(horizontal[value] | Qt::AlignVCenter);
}

std::int64_t Label::TextAlign() const {
    return textAlignment_ == 0 ? 0 : textAlignment_ - 1;
}

void Label::TextAlign(std::int64_t value) {
    if (value < 0 || value > 2)
        throw OutOfBoundsException("There is no text alignment " + std::to_string(value) + ".");
    TextAlignment(value + 1);
}

void Label::TextColor(Colour value) {
    textColor_ = value;
    // Opaque black is the designer's default colour: it means the appearance's
    // own text colour, so that the text stays readable in dark mode.
    QPalette palette;
    if (value != Colour(0x00000000))
        palette.setColor(QPalette::WindowText, toQColor(value));
    label().setPalette(palette);
}

void Label::Multiline(bool value) {
    multiline_ = value;
    label().setWordWrap(value);
}

void Label::Selectable(bool value) {
    selectable_ = value;
    label().setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void Label::ApplyDesign(const DesignRecord& record) {
    labelSetters().Apply(*this, record);
}

QLabel& Label::label() const {
    return *static_cast<QLabel*>(NativeWidget());
}
