#include "Foundation.h"

#include "PlatformClasses.h"

Class NSClassFromString(std::string_view name) {
    objc::LoadPlatformClasses();
    return objc_lookUpClass(name);
}

SEL NSSelectorFromString(std::string_view name) {
    return sel_registerName(name);
}
