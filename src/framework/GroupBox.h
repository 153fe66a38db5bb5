#pragma once

#include "RectControl.h"

#include "DragItem.h"

#include <functional>

// A framed area with a caption; other controls can lie inside it (their
// InitialParent names it).
class FileDropFilter;

class GroupBox : public RectControl {
public:
    GroupBox();

    String Caption() const;
    void Caption(const String& value);

    void ApplyDesign(const DesignRecord& record) override;

    // Takes drags of files of the registered file type of that name; drops on
    // the controls inside the group box reach it as well.
    void AcceptFileDrop(const String& fileTypeName);

    // Events: the window connects its handlers here; each receives the group box first.
    std::function<void(GroupBox&)> Open;
    // The dragged items, the first one current, and the drop action.
    std::function<void(GroupBox&, DragItem&, std::int64_t)> DropObject;

protected:
    void Event_Open() override;

private:
    void dropped(std::vector<String> paths);

    FileDropFilter* dropFilter_ = nullptr;
};
