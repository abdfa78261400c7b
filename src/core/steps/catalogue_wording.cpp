// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/steps/catalogue_wording.h"

namespace length_variants {

namespace {

// U+009C in UTF-8.
constexpr std::string_view kSeparator = "\xC2\x9C";

}  // namespace

std::string full(std::string_view translation) {
    return std::string(translation.substr(0, translation.find(kSeparator)));
}

std::string shortest(std::string_view translation) {
    const std::size_t last = translation.rfind(kSeparator);
    return std::string(last == std::string_view::npos ? translation
                                                      : translation.substr(last + kSeparator.size()));
}

bool shortened(std::string_view translation) {
    return translation.find(kSeparator) != std::string_view::npos;
}

}  // namespace length_variants

std::string CatalogueWording::operator()(std::string_view text) const {
    const std::string source(text);
    std::string words = catalogue_.lookup("Wording", source.c_str());
    if (words == source && context_ != nullptr) {
        words = length_variants::full(catalogue_.lookup(context_, source.c_str()));
    }
    return words;
}
