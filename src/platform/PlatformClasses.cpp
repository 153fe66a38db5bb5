#include "PlatformClasses.h"

#include "NSApplication.h"
#include "NSImage.h"
#include "NSMenu.h"
#include "NSMenuItem.h"
#include "NSObject.h"
#include "NSString.h"
#include "NSTableView.h"
#include "NSWindow.h"
#include "NSWorkspace.h"

namespace objc {

void LoadPlatformClasses() {
    NSObject::ClassObject();
    NSString::ClassObject();
    NSWorkspace::ClassObject();
    NSImage::ClassObject();
    NSApplication::ClassObject();
    NSMenu::ClassObject();
    NSMenuItem::ClassObject();
    NSTableView::ClassObject();
    NSWindow::ClassObject();
}

} // namespace objc
