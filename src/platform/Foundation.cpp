#include "Foundation.h"

#include "NSString.h"
#include "PlatformClasses.h"

Class NSClassFromString(std::string_view name) {
    objc::LoadPlatformClasses();
    return objc_lookUpClass(name);
}

Class NSClassFromString(NSString* name) {
    return name ? NSClassFromString(name->Text()) : nil;
}

SEL NSSelectorFromString(std::string_view name) {
    return sel_registerName(name);
}

SEL NSSelectorFromString(NSString* name) {
    return name ? sel_registerName(name->Text()) : nullptr;
}
