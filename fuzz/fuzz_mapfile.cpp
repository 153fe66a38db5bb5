// The mapping-file reader from the text read to the map: any bytes at all.
#include "FuzzApplication.h"
#include "window/Window1.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Dictionary map =
        Window1::MapFileEntries(String(reinterpret_cast<const char*>(data), size));
    // A key is one column of one line, a value too.
    for (const String& key : map.Keys()) {
        const String& value = map.Value(key);
        if (key.find_first_of("\t\n") != String::npos ||
            value.find_first_of("\t\n") != String::npos)
            std::abort();
    }
    return 0;
}
