#include <array>

#include "resources/templates.h"

namespace {
const std::array<const DialogTemplate*, 25> kAll{
    &kTemplate100, &kTemplate132, &kTemplate133, &kTemplate136, &kTemplate137, &kTemplate141, &kTemplate142,
    &kTemplate143, &kTemplate144, &kTemplate145, &kTemplate146, &kTemplate147, &kTemplate148, &kTemplate149,
    &kTemplate150, &kTemplate151, &kTemplate152, &kTemplate153, &kTemplate154, &kTemplate157, &kTemplate172,
    &kTemplate175, &kTemplate176, &kTemplate177, &kTemplate178,
};
}  // namespace

std::span<const DialogTemplate* const> allTemplates() {
    return kAll;
}

const DialogTemplate* findTemplate(int templateId) {
    for (const DialogTemplate* t : kAll) {
        if (t->id == templateId) {
            return t;
        }
    }
    return nullptr;
}
