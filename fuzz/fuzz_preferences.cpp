// The preference file's reader and writer from the file's bytes to the
// expanded text the store writes back: any bytes at all. Text written once
// must read back to itself, or every close would change the file.
#include "framework/Exceptions.h"
#include "framework/JSONItem.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The expanded text of the object that `text` holds, as the store writes it.
String rewritten(const String& text) {
    JSONItem prefs;
    prefs.Compact(false);
    prefs.Load(text);
    return prefs.ToString();
}

} // namespace

// The JSON reader and writer need no application object, so none is made.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    String once;
    try {
        once = rewritten(String(reinterpret_cast<const char*>(data), size));
    } catch (const JSONException&) {
        return 0;
    }
    if (rewritten(once) != once)
        std::abort();
    return 0;
}
