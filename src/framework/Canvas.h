#pragma once

#include "RectControl.h"

#include <memory>

class Picture;

// A drawing area; shows its backdrop at its top-left corner.
class Canvas : public RectControl {
public:
    Canvas();

    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    // None shows nothing.
    void Backdrop(std::shared_ptr<Picture> value);

    bool AllowFocus() const { return allowFocus_; }
    void AllowFocus(bool value);

    void ApplyDesign(const DesignRecord& record) override;

private:
    std::shared_ptr<Picture> backdrop_;
    bool allowFocus_ = false;
};
