#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace coilwise {

// A parsed JSON value. Objects keep their members in text order.
struct JsonValue {
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data;

    template <typename T> const T* as() const { return std::get_if<T>(&data); }
};

} // namespace coilwise
