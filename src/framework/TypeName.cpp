#include "TypeName.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>

std::string TypeName(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(type.name());
}
