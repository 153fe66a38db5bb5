#pragma once

#include "ObjCSelector.h"

#include <cstddef>
#include <utility>

struct objc_object;
struct objc_class;

// Objects and classes are held as plain pointers, as the macOS code holds
// them; none (nil) means no object.
using id = objc_object*;
using Class = objc_class*;
using BOOL = bool;

inline constexpr BOOL YES = true;
inline constexpr BOOL NO = false;
inline constexpr std::nullptr_t nil = nullptr;

// Every object of the runtime, classes included. An object is born holding
// one reference, owned by whoever created it; it is deleted when its last
// reference is released. Class objects live as long as the process and
// ignore retain and release.
struct objc_object {
    explicit objc_object(Class cls);
    objc_object(const objc_object&) = delete;
    objc_object& operator=(const objc_object&) = delete;

    // The object's class; for a class object, its metaclass.
    Class const isa;

protected:
    virtual ~objc_object() = default;

private:
    friend id objc_retain(id object);
    friend void objc_release(id object);

    long references_ = 1;
};

// The class of `object`, none for none.
Class object_getClass(id object);
// Adds a reference and returns `object`; none stays none.
id objc_retain(id object);
// Gives up a reference; the last one deletes the object. None is ignored.
void objc_release(id object);

namespace objc {

// An owning reference for the platform's own C++ code, which keeps an object
// alive for as long as the reference lives.
template <typename T> class Ref {
public:
    Ref() = default;
    // Takes over the reference the caller holds, such as that of a new object.
    static Ref Adopt(T* object) { return Ref(object); }
    static Ref Retain(T* object) {
        objc_retain(object);
        return Ref(object);
    }

    Ref(const Ref& other) : object_(other.object_) { objc_retain(object_); }
    Ref(Ref&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    Ref& operator=(Ref other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~Ref() { objc_release(object_); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }

private:
    explicit Ref(T* object) : object_(object) {}

    T* object_ = nullptr;
};

// A new object of the C++ type T, owned by the returned reference.
template <typename T, typename... Args> Ref<T> New(Args&&... args) {
    return Ref<T>::Adopt(new T(std::forward<Args>(args)...));
}

} // namespace objc
