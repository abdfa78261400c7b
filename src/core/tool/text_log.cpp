// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/tool/text_log.h"

#include "core/text/utf8.h"
#include "core/tool/field_host.h"

void TextLog::read(FieldHost& host, int controlId) {
    if (version_ != 0 && host.textVersion(controlId) == version_) {
        // What was added and never written is not in the field.
        text_.resize(shown_);
        return;
    }
    host.readText(controlId, std::string::npos, text_);
    agree(host, controlId, {});
}

void TextLog::write(FieldHost& host, int controlId) {
    if (version_ != 0 && host.textVersion(controlId) == version_) {
        const std::string_view added = std::string_view(text_).substr(shown_);
        if (!added.empty()) {
            host.appendText(controlId, added);
        }
        agree(host, controlId, added);
        return;
    }
    // Only a changed text is set, as for every field.
    host.update(controlId, text_);
    agree(host, controlId, text_);
}

void TextLog::agree(const FieldHost& host, int controlId, std::string_view written) {
    // A field shows bytes that are no UTF-8 as U+FFFD: then it is read back.
    const std::uint64_t version = host.textVersion(controlId);
    version_ = version != 0 && utf8::validLength(written) == written.size() ? version : 0;
    shown_ = text_.size();
}
