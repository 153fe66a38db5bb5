#include "NSImage.h"

#include "framework/Exceptions.h"
#include "framework/Picture.h"

#include <algorithm>

namespace {

// The bitmaps as one picture of the first one's size.
std::shared_ptr<Picture> combined(const std::vector<std::shared_ptr<Picture>>& bitmaps) {
    if (bitmaps.empty() || !bitmaps.front())
        throw NilObjectException("An image needs at least one bitmap.");
    return std::make_shared<Picture>(bitmaps.front()->Width(), bitmaps.front()->Height(), bitmaps);
}

} // namespace

Class NSImage::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSImage", NSObject::ClassObject());
        defined->AddMethod("CGImageForProposedRect:context:hints:",
                           [](NSImage* self, CGRect* proposedRect, id, id) {
                               return self->bestFor(proposedRect);
                           });
        return defined;
    }();
    return cls;
}

NSImage::NSImage(const std::vector<std::shared_ptr<Picture>>& bitmaps)
    : NSObject(ClassObject()), representations_(combined(bitmaps)) {
    for (const std::shared_ptr<Picture>& bitmap : bitmaps)
        images_.push_back(CGImage{bitmap});
}

CGImageRef NSImage::bestFor(const CGRect* rect) const {
    const CGSize size = rect ? rect->size
                             : CGSize{static_cast<CGFloat>(representations_->Width()),
                                      static_cast<CGFloat>(representations_->Height())};
    const std::shared_ptr<Picture> best = representations_->BestImage(size.width, size.height);
    const auto found = std::ranges::find(images_, best, &CGImage::bitmap);
    return found == images_.end() ? nullptr : &*found;
}
