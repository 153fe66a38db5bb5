#include "Icon.h"

#include "framework/Graphics.h"
#include "platform/CFString.h"
#include "platform/CoreGraphics.h"
#include "platform/Foundation.h"

#include <vector>

namespace {

// A bitmap of side by side pixels with the icon drawn to fill it.
std::shared_ptr<Picture> drawnBitmap(id image, std::int64_t side) {
    auto bitmap = std::make_shared<Picture>(side, side);
    const std::shared_ptr<Graphics> g = bitmap->Graphics();
    const auto context = static_cast<CGContextRef>(g->Handle(Graphics::HandleTypeCGContextRef));
    CGRect rect = CGRectMake(0, 0, static_cast<CGFloat>(side), static_cast<CGFloat>(side));
    const auto cgImage = objc_msgSend<CGImageRef>(
        image, sel_registerName("CGImageForProposedRect:context:hints:"), &rect, nil, nil);
    CGContextDrawImage(context, rect, cgImage);
    return bitmap;
}

} // namespace

namespace Icon {

std::shared_ptr<Picture> Get(const FolderItemPtr& file, std::int64_t size) {
    // No file, no picture.
    if (!file || !file->Exists())
        return nullptr;

    std::vector<std::shared_ptr<Picture>> bitmaps;

    const id workspace =
        objc_msgSend<id>(NSClassFromString("NSWorkspace"), sel_registerName("sharedWorkspace"));

    // One icon serves both bitmaps.
    const OwnedCFString path(StringToCFString(file->NativePath()));
    const id image = objc_msgSend<id>(workspace, sel_registerName("iconForFile:"), path.get());

    // One bitmap at the size asked for, one at twice it for high-resolution screens.
    bitmaps.push_back(drawnBitmap(image, size));
    bitmaps.push_back(drawnBitmap(image, 2 * size));
    return std::make_shared<Picture>(size, size, std::move(bitmaps));
}

} // namespace Icon
