#include "NSArray.h"

#include "framework/Exceptions.h"

Class NSArray::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSArray", NSObject::ClassObject());
        defined->AddMethod("count",
                           [](NSArray* self) { return NSUInteger{self->objects_.size()}; });
        defined->AddMethod("objectAtIndex:", [](NSArray* self, NSUInteger index) {
            if (index >= self->objects_.size())
                throw OutOfBoundsException("The list has no object at index " +
                                           std::to_string(index) + ".");
            return static_cast<id>(self->objects_[index].get());
        });
        return defined;
    }();
    return cls;
}

NSArray::NSArray(const std::vector<id>& objects) : NSObject(ClassObject()) {
    for (const id object : objects)
        objects_.push_back(objc::Ref<objc_object>::Retain(object));
}
