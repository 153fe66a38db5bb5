#include "GroupBox.h"

#include "FileDropFilter_p.h"

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

void GroupBox::ApplyDesign(const DesignRecord& record) {
    groupBoxSetters().Apply(*this, record);
}

void GroupBox::Event_Open() {
    if (Open)
        Open(*this);
}

void GroupBox::AcceptFileDrop(const String& fileTypeName) {
    if (!dropFilter_) {
        const std::weak_ptr<RectControl> self = weak_from_this();
        dropFilter_ = new FileDropFilter(*NativeWidget(), [self](std::vector<String> paths) {
            if (const auto box = std::static_pointer_cast<GroupBox>(self.lock()))
                box->dropped(std::move(paths));
        });
    }
    dropFilter_->Accept(fileTypeName);
}

void GroupBox::dropped(std::vector<String> paths) {
    DragItem item(std::move(paths));
    if (DropObject)
        DropObject(*this, item, 1);
}
