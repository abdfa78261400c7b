#include "core/dialog/utf8.h"

namespace utf8 {

namespace {

// The length of the well-formed character at text[i], or 0 when the bytes
// there start none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t characterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
        return 1;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

std::string replaceInvalid(std::string_view text) {
    // Most texts are whole already: find the first fault before building anything.
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = characterLength(text, i);
        if (length == 0) {
            break;
        }
        i += length;
    }
    std::string out(text.substr(0, i));
    while (i < text.size()) {
        const std::size_t length = characterLength(text, i);
        if (length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::string firstUnits(std::string_view text, std::size_t maxUnits) {
    if (maxUnits >= text.size()) {
        return std::string(text);  // never more units than bytes
    }
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t needed = length == 4 ? 2 : 1;
        if (units + needed > maxUnits) {
            break;
        }
        units += needed;
        i += length;
    }
    return std::string(text.substr(0, i));
}

}  // namespace utf8
