#pragma once

#include "RectControl.h"

#include <functional>

// A framed area with a caption; other controls can lie inside it (their
// InitialParent names it).
class GroupBox : public RectControl {
public:
    GroupBox();

    String Caption() const;
    void Caption(const String& value);

    void ApplyDesign(const DesignRecord& record) override;

    // Events: the window connects its handlers here; each receives the group box first.
    std::function<void(GroupBox&)> Open;

protected:
    void Event_Open() override;
};
