#include "NSString.h"

#include "FinderCollator.h"

#include "framework/Exceptions.h"

#include <array>
#include <cstddef>

namespace {

// Memory of released strings, ready for the next ones; a few suffice, since
// strings that come and go in pairs are released before the next pair is made.
// It has no destructor on purpose: strings that an autorelease pool releases
// while the program ends still find it, after this thread's other storage has
// gone, and what it holds then stays reachable until the process ends.
class FreeStrings {
public:
    void* take() { return count_ == 0 ? nullptr : memory_[--count_]; }

    bool keep(void* memory) {
        if (count_ == memory_.size())
            return false;
        memory_[count_++] = memory;
        return true;
    }

private:
    std::array<void*, 16> memory_{};
    std::size_t count_ = 0;
};

thread_local FreeStrings freeStrings;

} // namespace

void* NSString::operator new(std::size_t size) {
    if (size == sizeof(NSString)) {
        if (void* const memory = freeStrings.take())
            return memory;
    }
    return ::operator new(size);
}

void NSString::operator delete(void* memory, std::size_t size) {
    if (size != sizeof(NSString) || !freeStrings.keep(memory))
        ::operator delete(memory);
}

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
