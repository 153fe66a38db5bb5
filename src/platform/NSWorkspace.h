#pragma once

#include "NSObject.h"

// The desktop's view of files.
// Class messages: sharedWorkspace (NSWorkspace*), the one workspace.
// Messages: iconForFile: (NSImage*), given a path as an NSString: the icon the
// desktop shows for that file, autoreleased; none for a none path. See
// WorkspaceIcons for how the icon is found.
class NSWorkspace : public NSObject {
public:
    static Class ClassObject();

    NSWorkspace() : NSObject(ClassObject()) {}
};
