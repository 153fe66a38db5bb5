#include "PlatformClasses.h"

#include "NSApplication.h"
#include "NSImage.h"
#include "NSObject.h"
#include "NSString.h"
#include "NSWorkspace.h"

namespace objc {

void LoadPlatformClasses() {
    NSObject::ClassObject();
    NSString::ClassObject();
    NSWorkspace::ClassObject();
    NSImage::ClassObject();
    NSApplication::ClassObject();
}

} // namespace objc
