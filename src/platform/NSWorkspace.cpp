#include "NSWorkspace.h"

#include "NSImage.h"
#include "NSString.h"
#include "WorkspaceIcons.h"

Class NSWorkspace::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSWorkspace", NSObject::ClassObject());
        defined->AddClassMethod("sharedWorkspace", [](Class) {
            static const objc::Ref<NSWorkspace> shared = objc::New<NSWorkspace>();
            return shared.get();
        });
        defined->AddMethod("iconForFile:", [](NSWorkspace*, NSString* path) -> id {
            if (!path)
                return nil;
            const auto bitmaps = WorkspaceIcons::ForFile(String(path->Text()));
            if (bitmaps.empty())
                return nil;
            return objc_autorelease(new NSImage(bitmaps));
        });
        return defined;
    }();
    return cls;
}
