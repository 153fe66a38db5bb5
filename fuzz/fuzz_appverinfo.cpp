// The version-text reader from the property list's text to the version text:
// any bytes at all.
#include "FuzzApplication.h"
#include "support/RegExVelk.h"
#include "window/Window1.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The version text as the plain lazy search gives it, which takes time
// growing with the square of the text: the reader's faster search must give
// the same, so short texts are checked against it.
constexpr std::size_t longestChecked = 4096;

String plainSearch(String text) {
    text = RegExVelk::ReplaceAll(text, "^\\s+", "", true);
    text = RegExVelk::ReplaceAll(text, "\\n", "", true);
    return RegExVelk::MachStr(text,
                              "(?<=<key>CFBundleShortVersionString</key><string>).+?(?=</string>)",
                              0, true) +
           "-" +
           RegExVelk::MachStr(text, "(?<=<key>CFBundleVersion</key><string>).+?(?=</string>)", 0,
                              true);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String text(reinterpret_cast<const char*>(data), size);
    const String version = Window1::AppVerInfoFromPlist(text);
    if (version.find('-') == String::npos || version.find('\n') != String::npos)
        std::abort();
    if (size <= longestChecked && version != plainSearch(text))
        std::abort();
    return 0;
}
