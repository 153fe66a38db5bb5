#pragma once

#include "CoreGraphics.h"
#include "NSObject.h"

#include <memory>
#include <vector>

class Picture;

// An image held as one or more bitmaps of the same picture at different sizes.
// Messages: CGImageForProposedRect:context:hints: (CGImageRef), given a
// pointer to a rectangle (or none), a graphics context and hints (both none
// here): the bitmap that best fills the rectangle's size in pixels, the
// smallest at least as large, else the largest; for no rectangle, the best
// for the image's own size. The bitmap lives as long as the image.
class NSImage : public NSObject {
public:
    static Class ClassObject();

    // The first bitmap gives the image's size; none at all raises NilObjectException.
    explicit NSImage(const std::vector<std::shared_ptr<Picture>>& bitmaps);

private:
    CGImageRef bestFor(const CGRect* rect) const;

    std::shared_ptr<Picture> representations_;
    // One per bitmap, in the same order; what CGImageForProposedRect: hands out.
    std::vector<CGImage> images_;
};
