#pragma once

#include "ObjCRuntime.h"

// The root class. Every object and every class answers its methods:
// respondsToSelector:, retain, release and autorelease.
class NSObject : public objc_object {
public:
    static Class ClassObject();

    explicit NSObject(Class cls = ClassObject()) : objc_object(cls) {}
};
