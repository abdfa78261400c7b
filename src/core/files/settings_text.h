#pragma once

#include <optional>
#include <string>
#include <string_view>

// The per-user settings file's text, as the program both reads and writes
// it: one scan finds the key and the place to add it, so the two cannot
// disagree. A line ends at a line feed, a carriage return or the two
// together; a UTF-8 byte-order mark before the first line belongs to none; a
// line whose first non-blank is ';' or '#' is a comment; "[name]" heads a
// section, blanks or a comment may follow it; "key=value" is a key, blanks
// around the key not counting. A backslash at a line's end is part of its
// value, as in the desktop's own profile files: no line continues another.
namespace settings_text {

// The text with "key=value" as the first line of the section (the section
// added at the end where there is none), every other byte as it was; nothing
// when the section has the key already.
std::optional<std::string> withKey(std::string_view text, std::string_view section, std::string_view key,
                                   std::string_view value);

}  // namespace settings_text
