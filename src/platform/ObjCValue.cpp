#include "ObjCValue.h"

#include "ObjCClass.h"

#include "framework/Exceptions.h"

#include <sstream>

namespace objc {

std::string Value::Description() const {
    struct Describe {
        std::string operator()(std::monostate) const { return "nothing"; }
        std::string operator()(bool) const { return "a Boolean"; }
        std::string operator()(std::int64_t number) const {
            return "the integer " + std::to_string(number);
        }
        std::string operator()(double number) const {
            std::ostringstream text;
            text << "the number " << number;
            return text.str();
        }
        std::string operator()(id object) const {
            if (!object)
                return "nil";
            const Class cls = object_getClass(object);
            if (cls->IsMetaClass())
                return std::string("the class ") + class_getName(static_cast<Class>(object));
            return std::string("an object of class ") + class_getName(cls);
        }
        std::string operator()(SEL selector) const {
            return selector ? std::string("the selector ") + sel_getName(selector)
                            : std::string("a null selector");
        }
        std::string operator()(const std::any& value) const {
            return "a value of type " + TypeName(value.type());
        }
    };
    return std::visit(Describe{}, data_);
}

void Value::throwBeyondRange() {
    throw OutOfBoundsException("An integer beyond the 64-bit signed range cannot be sent.");
}

} // namespace objc
