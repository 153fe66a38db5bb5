#include "Variant.h"

#include "Exceptions.h"

std::int64_t Variant::Int64Value() const {
    if (const std::int64_t* const number = std::get_if<std::int64_t>(&data_))
        return *number;
    throw TypeMismatchException("The value is not an integer.");
}
