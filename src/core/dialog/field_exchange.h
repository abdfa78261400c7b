#pragma once

#include <span>
#include <string>
#include <variant>

class FieldHost;

enum class FieldKind { Double, Integer, Text };

// One bound edit control: its id and the value of the tool that it shows.
struct Binding {
    int controlId;
    std::variant<double*, int*, std::string*> value;

    FieldKind kind() const { return static_cast<FieldKind>(value.index()); }
};

namespace exchange {

// A double field is read through a buffer of 400 characters, an integer field
// through one of 64, as the original exchange did.
inline constexpr std::size_t kDoubleBuffer = 400;
inline constexpr std::size_t kIntegerBuffer = 64;

inline constexpr const char* kRefusedNumber = "Please enter a number.";
inline constexpr const char* kRefusedInteger = "Please enter an integer.";

// Reads every binding in order; at the first refused text shows the message,
// focuses and selects that field, and returns false leaving it and every
// later value untouched.
bool readAll(FieldHost& host, std::span<const Binding> bindings);

// Writes every binding in order, setting a text only when it differs.
void writeAll(FieldHost& host, std::span<const Binding> bindings);

}  // namespace exchange
