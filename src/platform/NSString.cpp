#include "NSString.h"

#include "FinderCollator.h"

#include "framework/Exceptions.h"

#include <vector>

namespace {

// Set when the thread's FreeStrings has gone. A thread's own objects go before
// the process's, so the strings that the outermost autorelease pool still
// holds as the program ends are released after it: their memory then goes
// straight back to the allocator.
thread_local bool freeStringsGone = false;

// Memory of released strings, ready for the next ones; a few suffice, since
// strings that come and go in pairs are released before the next pair is made.
class FreeStrings {
public:
    FreeStrings() = default;
    FreeStrings(const FreeStrings&) = delete;
    FreeStrings& operator=(const FreeStrings&) = delete;
    ~FreeStrings() {
        freeStringsGone = true;
        for (void* memory : memory_)
            ::operator delete(memory);
    }

    void* take() {
        if (memory_.empty())
            return nullptr;
        void* const memory = memory_.back();
        memory_.pop_back();
        return memory;
    }

    bool keep(void* memory) {
        if (memory_.size() >= 16)
            return false;
        memory_.push_back(memory);
        return true;
    }

private:
    std::vector<void*> memory_;
};

thread_local FreeStrings freeStrings;

} // namespace

void* NSString::operator new(std::size_t size) {
    if (size == sizeof(NSString) && !freeStringsGone) {
        if (void* const memory = freeStrings.take())
            return memory;
    }
    return ::operator new(size);
}

void NSString::operator delete(void* memory, std::size_t size) {
    if (size != sizeof(NSString) || freeStringsGone || !freeStrings.keep(memory))
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
