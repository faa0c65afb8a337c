#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace varnel::projects::json {

// A JSON value as the project file uses it. Objects keep their members in the order they were read or
// built, so a file written from a value lists its fields in a fixed order.
struct Value;
using Array = std::vector<Value>;
using Member = std::pair<std::string, Value>;
using Object = std::vector<Member>;

struct Value {
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data;

    Value() : data(nullptr) {}
    Value(std::nullptr_t) : data(nullptr) {}
    Value(bool b) : data(b) {}
    Value(double d) : data(d) {}
    Value(int i) : data(static_cast<double>(i)) {}
    Value(std::string s) : data(std::move(s)) {}
    Value(const char* s) : data(std::string(s)) {}
    Value(std::string_view s) : data(std::string(s)) {}
    Value(Array a) : data(std::move(a)) {}
    Value(Object o) : data(std::move(o)) {}

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(data); }
    const bool* boolean() const { return std::get_if<bool>(&data); }
    const double* number() const { return std::get_if<double>(&data); }
    const std::string* string() const { return std::get_if<std::string>(&data); }
    const Array* array() const { return std::get_if<Array>(&data); }
    const Object* object() const { return std::get_if<Object>(&data); }
};

// The member of that name, or null when the object has none.
const Value* member(const Object& object, std::string_view name);

// What a reader accepts: nesting deeper than `maxDepth` is refused before it can exhaust the stack.
struct Limits {
    std::size_t maxDepth = 32;
};

// Why a text is not JSON, and where: line and column count from 1, the column in characters.
struct SyntaxError {
    std::string what;
    std::size_t line = 1;
    std::size_t column = 1;
};

// Reads one JSON text (RFC 8259) in UTF-8. Refused: anything that is not valid UTF-8, a NUL character
// (raw or escaped), a member name given twice in one object, a number beyond the double range, and
// anything after the value but blanks.
std::variant<Value, SyntaxError> parse(std::string_view text, Limits limits = {});

// A text as a JSON string: quotes, backslashes and control characters escaped, other text as it is.
std::string quoted(std::string_view text);

// Writes a value with two-blank indentation, one member or element per line, and LF line ends. Numbers
// are written in their shortest exact form; text other than ASCII is written as UTF-8, unescaped.
std::string write(const Value& value);

} // namespace varnel::projects::json
