#include "WindowEx.h"

#include "platform/Foundation.h"
#include "platform/ObjCRuntime.h"

namespace WindowEx {

void DisableAutoTabbing() {
    const Class window = NSClassFromString("NSWindow");
    const SEL setTabbing = sel_registerName("setAllowsAutomaticWindowTabbing:");
    if (objc_msgSend<BOOL>(window, sel_registerName("respondsToSelector:"), setTabbing))
        objc_msgSend<void>(window, setTabbing, NO);
}

} // namespace WindowEx
