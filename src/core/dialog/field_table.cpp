#include "core/dialog/field_table.h"

namespace field_table {

std::string cell(std::string_view text) {
    if (text.find_first_of("\t\n\r") == std::string_view::npos && !text.starts_with('"')) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + '"';
}

std::string line(std::string_view name, std::string_view text) {
    return cell(name) + '\t' + cell(text) + '\n';
}

}  // namespace field_table
