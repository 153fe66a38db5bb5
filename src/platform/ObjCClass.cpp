#include "ObjCClass.h"

#include "framework/Exceptions.h"

#include <map>
#include <vector>

namespace {

// Classes live as long as the process: a Class held anywhere stays valid.
struct ClassRegistry {
    std::map<std::string, std::unique_ptr<objc_class>, std::less<>> classes;
    std::vector<std::unique_ptr<objc_class>> metaclasses;
};

ClassRegistry& registry() {
    static ClassRegistry instance;
    return instance;
}

// Counts the methods added so far, so that a cached look-up knows when a
// method added since may answer in its place.
std::uint64_t methodGeneration = 1;

Class rootOf(Class cls) {
    while (cls->Superclass())
        cls = cls->Superclass();
    return cls;
}

} // namespace

namespace objc {

Class DefineClass(std::string_view name, Class superclass) {
    ClassRegistry& classes = registry();
    if (classes.classes.contains(name))
        throw RuntimeException("The class " + std::string(name) + " is already defined.");
    // The metaclass's isa is the root metaclass; the root metaclass's is itself.
    const Class rootMetaclass = superclass ? object_getClass(rootOf(superclass)) : nil;
    const Class superMetaclass = superclass ? object_getClass(superclass) : nil;
    auto metaclass = std::unique_ptr<objc_class>(
        new objc_class(std::string(name), superMetaclass, rootMetaclass, true));
    auto cls = std::unique_ptr<objc_class>(
        new objc_class(std::string(name), superclass, metaclass.get(), false));
    if (!superclass)
        metaclass->superclass_ = cls.get();
    const Class defined = cls.get();
    classes.metaclasses.push_back(std::move(metaclass));
    classes.classes.emplace(std::string(name), std::move(cls));
    return defined;
}

} // namespace objc

objc_class::objc_class(std::string name, Class superclass, Class metaclass, bool isMetaClass)
    : objc_object(metaclass ? metaclass : this), name_(std::move(name)), superclass_(superclass),
      metaclass_(isMetaClass) {}

void objc_class::addImp(SEL selector, objc::Imp imp) {
    if (!methods_.emplace(selector, std::move(imp)).second)
        throw RuntimeException(objc::detail::MethodName(this, selector) + " is already defined.");
    ++methodGeneration;
}

const objc::Imp* objc_class::FindMethod(SEL selector) const {
    if (selector == cachedSelector_ && cachedGeneration_ == methodGeneration)
        return cachedMethod_;
    const objc::Imp* method = nullptr;
    for (const objc_class* cls = this; cls && !method; cls = cls->superclass_) {
        if (const auto found = cls->methods_.find(selector); found != cls->methods_.end())
            method = &found->second;
    }
    if (method) {
        cachedSelector_ = selector;
        cachedMethod_ = method;
        cachedGeneration_ = methodGeneration;
    }
    return method;
}

Class objc_lookUpClass(std::string_view name) {
    const ClassRegistry& classes = registry();
    const auto found = classes.classes.find(name);
    return found == classes.classes.end() ? nil : found->second.get();
}

const char* class_getName(Class cls) {
    return cls ? cls->Name().c_str() : "nil";
}

BOOL class_respondsToSelector(Class cls, SEL selector) {
    return cls && selector && cls->FindMethod(selector);
}

namespace objc::detail {

std::string MethodName(id receiver, SEL selector) {
    const Class cls = object_getClass(receiver);
    const bool isClass = cls->IsMetaClass();
    return std::string(isClass ? "+[" : "-[") + cls->Name() + " " + sel_getName(selector) + "]";
}

void ThrowArgumentCount(id receiver, SEL selector, std::size_t expected, std::size_t given) {
    throw RuntimeException(MethodName(receiver, selector) + " takes " + std::to_string(expected) +
                           (expected == 1 ? " argument" : " arguments") + ", not " +
                           std::to_string(given) + ".");
}

void ThrowArgumentType(id receiver, SEL selector, std::size_t index, const std::string& expected,
                       const Value& given) {
    throw RuntimeException(MethodName(receiver, selector) + ": argument " +
                           std::to_string(index + 1) + " should be " + expected + ", not " +
                           given.Description() + ".");
}

void ThrowReceiverType(id receiver, SEL selector, const std::string& expected) {
    throw RuntimeException(MethodName(receiver, selector) + " needs " + expected +
                           " as its receiver.");
}

} // namespace objc::detail
