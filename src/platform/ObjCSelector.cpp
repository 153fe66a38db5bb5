#include "ObjCSelector.h"

#include <memory>
#include <string>
#include <unordered_map>

struct objc_selector {
    std::string name;
};

namespace {

// Selectors live as long as the process: a SEL held anywhere stays valid.
using SelectorTable = std::unordered_map<std::string_view, std::unique_ptr<objc_selector>>;

SelectorTable& selectors() {
    static SelectorTable table;
    return table;
}

} // namespace

SEL sel_registerName(std::string_view name) {
    SelectorTable& table = selectors();
    if (const auto found = table.find(name); found != table.end())
        return found->second.get();
    auto selector = std::make_unique<objc_selector>(objc_selector{std::string(name)});
    const SEL interned = selector.get();
    table.emplace(std::string_view(interned->name), std::move(selector));
    return interned;
}

const char* sel_getName(SEL selector) {
    return selector ? selector->name.c_str() : "<null selector>";
}
