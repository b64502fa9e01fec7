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
    using Data = std::variant<std::nullptr_t, bool, double, std::string, Array, Object>;

    // Declared here and defaulted below, where JsonValue is complete: some compilers otherwise
    // instantiate the destructors of Array and Object while their element type is still incomplete.
    JsonValue();
    JsonValue(Data value);
    JsonValue(const JsonValue&);
    JsonValue(JsonValue&&) noexcept;
    JsonValue& operator=(const JsonValue&);
    JsonValue& operator=(JsonValue&&) noexcept;
    ~JsonValue();

    Data data;

    template <typename T> const T* as() const { return std::get_if<T>(&data); }
};

inline JsonValue::JsonValue() = default;
inline JsonValue::JsonValue(Data value) : data(std::move(value)) {}
inline JsonValue::JsonValue(const JsonValue&) = default;
inline JsonValue::JsonValue(JsonValue&&) noexcept = default;
inline JsonValue& JsonValue::operator=(const JsonValue&) = default;
inline JsonValue& JsonValue::operator=(JsonValue&&) noexcept = default;
inline JsonValue::~JsonValue() = default;

} // namespace coilwise
