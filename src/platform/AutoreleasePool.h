#pragma once

#include "ObjCObject.h"

// Hands the reference the caller holds to the innermost autorelease pool and
// returns `object`. The object lives on until that pool is drained: at the
// end of an `objc::AutoreleasePool` scope, or, for objects autoreleased while
// an event loop runs, when that loop has handled its events and waits for
// more. A nested loop (a modal dialog) drains only what was autoreleased
// inside it, so the objects of the handler that opened it stay valid. What is
// autoreleased outside every loop and scope is released when the process ends.
id objc_autorelease(id object);

namespace objc {

// A scope that releases what was autoreleased within it when it ends, as
// @autoreleasepool does.
class AutoreleasePool {
public:
    AutoreleasePool();
    ~AutoreleasePool();
    AutoreleasePool(const AutoreleasePool&) = delete;
    AutoreleasePool& operator=(const AutoreleasePool&) = delete;
};

} // namespace objc
