// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <string_view>

#include "core/steps/wording.h"

// The program's catalogues of one language, as a front end has them loaded:
// the desktop's installed Qt translators, the page's catalogue.
class Catalogue {
public:
    virtual ~Catalogue() = default;
    // text in context as the catalogue gives it, its length variants joined by
    // U+009C as Qt Linguist writes them; the text itself where it has none.
    virtual std::string lookup(const char* context, const char* text) const = 0;
};

// A translation's length variants, full wording first: a caption that does
// not fit its control in some language is given shorter ones.
namespace length_variants {

// The full wording: the first variant.
std::string full(std::string_view translation);
// What a control shows: the last (shortest) variant.
std::string shortest(std::string_view translation);
// Whether the translation has more than one variant.
bool shortened(std::string_view translation);

}  // namespace length_variants

// The words of a tool's worked steps, pictures and messages in the user's
// language: a text marked for them is looked up among the steps' and
// pictures' words ("Wording"), anything else (a field's name, a unit's
// caption put into a step) among the tool's own (its class name); a text
// that no catalogue has stays as written.
class CatalogueWording : public Wording {
public:
    CatalogueWording(const Catalogue& catalogue, const char* context)
        : catalogue_(catalogue), context_(context) {}
    std::string operator()(std::string_view text) const override;

private:
    const Catalogue& catalogue_;
    const char* context_;
};
