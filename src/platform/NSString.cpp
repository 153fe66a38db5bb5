#include "NSString.h"

#include "FinderCollator.h"

#include "framework/Exceptions.h"

Class NSString::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSString", NSObject::ClassObject());
        defined->AddMethod("localizedStandardCompare:", [](NSString* self, NSString* other) {
            if (!other)
                throw NilObjectException(
                    "localizedStandardCompare: needs a string to compare with.");
            return static_cast<NSComparisonResult>(
                FinderCollator::Current().Compare(self->Text(), other->Text()));
        });
        return defined;
    }();
    return cls;
}
