#include "PushButton.h"

#include <QPushButton>
#include <QShortcut>

namespace {

const DesignSetters<PushButton>& pushButtonSetters() {
    static const DesignSetters<PushButton> setters = [] {
        DesignSetters<PushButton> s;
        PushButton::AddControlSetters(s);
        PushButton::AddFontSetters(s);
        s.Set("Caption", &PushButton::Caption)
            .Set("Default", &PushButton::Default)
            .Set("Cancel", &PushButton::Cancel)
            .Ignore({"MacButtonStyle"});
        return s;
    }();
    return setters;
}

} // namespace

PushButton::PushButton() : RectControl(new QPushButton) {
    QPushButton& native = button();
    native.setAutoDefault(false);
    QObject::connect(&native, &QPushButton::clicked, &native, [this] {
        raiseEvent([this] {
            if (Action)
                Action(*this);
        });
    });
}

void PushButton::Caption(const String& value) {
    caption_ = value;
    // An ampersand shows as written, as on the Mac, instead of marking a mnemonic.
    button().setText(QString::fromStdString(value).replace(u'&', QStringLiteral("&&")));
}

bool PushButton::Default() const {
    return button().isDefault();
}

void PushButton::Default(bool value) {
    button().setDefault(value);
}

void PushButton::Cancel(bool value) {
    cancel_ = value;
    delete button().findChild<QShortcut*>();
    if (!value)
        return;
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &button());
    QObject::connect(escape, &QShortcut::activated, &button(), &QPushButton::animateClick);
}

void PushButton::ApplyDesign(const DesignRecord& record) {
    pushButtonSetters().Apply(*this, record);
}

QPushButton& PushButton::button() const {
    return *static_cast<QPushButton*>(NativeWidget());
}
