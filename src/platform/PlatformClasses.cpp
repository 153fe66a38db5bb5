#include "PlatformClasses.h"

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
}

} // namespace objc
