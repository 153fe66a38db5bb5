#pragma once

#include "ObjCObject.h"

#include <QObject>

namespace objc {

// Holds the runtime object that stands for a Qt object, as a child of that
// Qt object: the runtime object is made on first use, the same one is found
// every time after, and it is released when the Qt object goes.
class NativePeer : public QObject {
public:
    using QObject::QObject;

    // The peer of `native`, made with `make` when it has none; none for none.
    template <class T, class Native, class Make> static T* Of(Native* native, Make make) {
        if (!native)
            return nullptr;
        for (QObject* child : native->children())
            if (auto* peer = dynamic_cast<NativePeer*>(child))
                return dynamic_cast<T*>(peer->object_.get());
        auto* peer = new NativePeer(native);
        peer->object_ = Ref<objc_object>::Adopt(make(native));
        return dynamic_cast<T*>(peer->object_.get());
    }

private:
    Ref<objc_object> object_;
};

} // namespace objc
