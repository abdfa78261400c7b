#include "core/files/settings_text.h"

#include <algorithm>

namespace settings_text {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

// The name of the section that the line heads, or nothing.
std::optional<std::string_view> header(std::string_view line) {
    const std::size_t close = line.find(']');
    if (!line.starts_with('[') || close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = trimmed(line.substr(close + 1));
    if (!rest.empty() && rest.front() != ';' && rest.front() != '#') {
        return std::nullopt;
    }
    return trimmed(line.substr(1, close - 1));
}

}  // namespace

std::optional<std::string> withKey(std::string_view text, std::string_view section, std::string_view key,
                                   std::string_view value) {
    std::size_t addAt = std::string_view::npos;  // after the section's first header
    std::string_view lineBreak;                  // the text's own, from its first line
    bool inSection = false;
    for (std::size_t at = text.starts_with("\xEF\xBB\xBF") ? 3 : 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::size_t next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : end < text.size() ? 1 : 0);
        if (lineBreak.empty()) {
            lineBreak = text.substr(end, next - end);
        }
        const std::string_view line = trimmed(text.substr(at, end - at));
        if (const std::optional<std::string_view> name = header(line)) {
            inSection = *name == section;
            addAt = inSection && addAt == std::string_view::npos ? next : addAt;
        } else if (inSection && !line.starts_with(';') && !line.starts_with('#')) {
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos && trimmed(line.substr(0, equals)) == key) {
                return std::nullopt;
            }
        }
        at = next;
    }
    const std::string end(lineBreak.empty() ? "\n" : lineBreak);
    const bool broken = text.ends_with('\n') || text.ends_with('\r');
    std::string out(text);
    if (addAt == std::string_view::npos) {
        if (!text.empty()) {
            out += broken ? end : end + end;
        }
        out += "[" + std::string(section) + "]" + end;
        addAt = out.size();
    } else if (addAt == text.size() && !broken) {
        out += end;
        addAt = out.size();
    }
    out.insert(addAt, std::string(key) + "=" + std::string(value) + end);
    return out;
}

}  // namespace settings_text
