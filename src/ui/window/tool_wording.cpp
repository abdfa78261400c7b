// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_wording.h"

#include <QCoreApplication>
#include <QString>

#include "ui/widgets/translated.h"

std::string ToolWording::operator()(std::string_view text) const {
    const std::string source(text);
    std::string words = QCoreApplication::translate("Wording", source.c_str()).toStdString();
    if (words == source && context_ != nullptr) {
        words = translated(context_, source.c_str()).toStdString();
    }
    return words;
}
