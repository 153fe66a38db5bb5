#include "GroupBox.h"

#include <QGroupBox>

namespace {

const DesignSetters<GroupBox>& groupBoxSetters() {
    static const DesignSetters<GroupBox> setters = [] {
        DesignSetters<GroupBox> s;
        GroupBox::AddControlSetters(s);
        GroupBox::AddFontSetters(s);
        s.Set("Caption", &GroupBox::Caption);
        return s;
    }();
    return setters;
}

} // namespace

GroupBox::GroupBox() : RectControl(new QGroupBox) {}

String GroupBox::Caption() const {
    return static_cast<QGroupBox*>(NativeWidget())->title().toStdString();
}

void GroupBox::Caption(const String& value) {
    static_cast<QGroupBox*>(NativeWidget())->setTitle(QString::fromStdString(value));
}

void GroupBox::ApplyDesign(const DesignRecord& record) { groupBoxSetters().Apply(*this, record); }

void GroupBox::Event_Open() {
    if (Open)
        Open(*this);
}
