#include "ObjCObject.h"

#include "ObjCClass.h"

#include "framework/Exceptions.h"

namespace {

bool isClassObject(id object) {
    return object->isa->IsMetaClass();
}

} // namespace

objc_object::objc_object(Class cls) : isa(cls) {
    if (!cls)
        throw NilObjectException("An object cannot be made without a class.");
}

Class object_getClass(id object) {
    return object ? object->isa : nil;
}

id objc_retain(id object) {
    if (object && !isClassObject(object))
        ++object->references_;
    return object;
}

void objc_release(id object) {
    if (!object || isClassObject(object))
        return;
    if (--object->references_ == 0)
        delete object;
}
