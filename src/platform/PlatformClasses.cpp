#include "PlatformClasses.h"

#include "NSArray.h"
#include "NSImage.h"
#include "NSObject.h"
#include "NSScreen.h"
#include "NSString.h"
#include "NSWindow.h"
#include "NSWorkspace.h"

namespace objc {

void LoadPlatformClasses() {
    NSObject::ClassObject();
    NSString::ClassObject();
    NSWorkspace::ClassObject();
    NSImage::ClassObject();
    NSArray::ClassObject();
    NSScreen::ClassObject();
    NSWindow::ClassObject();
}

} // namespace objc
