#include "PlatformClasses.h"

#include "NSApplication.h"
#include "NSArray.h"
#include "NSImage.h"
#include "NSMenu.h"
#include "NSMenuItem.h"
#include "NSObject.h"
#include "NSScreen.h"
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
    NSArray::ClassObject();
    NSScreen::ClassObject();
    NSApplication::ClassObject();
    NSMenu::ClassObject();
    NSMenuItem::ClassObject();
    NSTableView::ClassObject();
    NSWindow::ClassObject();
}

} // namespace objc
