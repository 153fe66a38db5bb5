#include "PlatformClasses.h"

#include "NSObject.h"
#include "NSString.h"

namespace objc {

void LoadPlatformClasses() {
    NSObject::ClassObject();
    NSString::ClassObject();
}

} // namespace objc
