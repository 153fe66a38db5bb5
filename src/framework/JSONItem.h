#pragma once

#include "String.h"
#include "Variant.h"

#include <memory>

class QJsonObject;

// A JSON object: members by name, each a plain value. Members the program
// never touches, nested objects and arrays included, are kept as they were
// loaded and written back with the rest. Integers keep all 64 bits.
class JSONItem {
public:
    // An empty object.
    JSONItem();
    ~JSONItem();
    JSONItem(const JSONItem&) = delete;
    JSONItem& operator=(const JSONItem&) = delete;

    // Whether ToString writes the text on one line (true) or expanded, one
    // member a line and indented (false).
    bool Compact() const { return compact_; }
    void Compact(bool value) { compact_ = value; }

    bool HasName(const String& name) const;
    // The member's value; KeyNotFoundException when there is no such member,
    // TypeMismatchException when it holds an object or an array.
    Variant Value(const String& name) const;
    // Adds the member or replaces its value.
    void Value(const String& name, const Variant& value);

    // Replaces the content with the object that `text` holds; text that is
    // empty or only whitespace gives an empty object. Text that is not JSON,
    // or JSON that is not an object, raises JSONException and leaves the
    // content as it was.
    void Load(const String& text);
    // The object as JSON text, with no line end after the closing brace.
    String ToString() const;

private:
    std::unique_ptr<QJsonObject> object_;
    bool compact_ = true;
};
