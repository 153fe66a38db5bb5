#pragma once

#include <string>
#include <typeinfo>

// The readable name of a C++ type, as its declaration spells it
// ("RegExException", "std::vector<int>"), for messages that name a class.
std::string TypeName(const std::type_info& type);
