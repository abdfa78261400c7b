// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "web/page_language.h"

void PageCatalogue::add(std::string context, std::string source, std::string translation) {
    words_.insert_or_assign({std::move(context), std::move(source)}, std::move(translation));
}

std::string PageCatalogue::lookup(const char* context, const char* text) const {
    const auto found = words_.find(std::pair<std::string, std::string>(context, text));
    return found != words_.end() ? found->second : std::string(text);
}

PageCatalogue& pageLanguage() {
    static PageCatalogue catalogue;
    return catalogue;
}

std::string pageWord(const char* context, const char* text) {
    if (text == nullptr) {
        return {};
    }
    return context != nullptr ? length_variants::full(pageLanguage().lookup(context, text)) : text;
}

std::string pageCaption(const char* context, const char* text) {
    if (text == nullptr) {
        return {};
    }
    return context != nullptr ? length_variants::shortest(pageLanguage().lookup(context, text)) : text;
}

std::string pageFullCaption(const char* context, const char* text) {
    if (text == nullptr || context == nullptr) {
        return {};
    }
    const std::string all = pageLanguage().lookup(context, text);
    return length_variants::shortened(all) ? length_variants::full(all) : std::string();
}
