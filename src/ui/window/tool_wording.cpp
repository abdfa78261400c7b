// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "ui/window/tool_wording.h"

#include <QCoreApplication>
#include <QString>

#include "ui/widgets/translated.h"

std::string ToolWording::operator()(std::string_view text) const {
    const std::string source(text);
    QString words = QCoreApplication::translate("Wording", source.c_str());
    if (context_ != nullptr && words.toStdString() == source) {
        words = translated(context_, source.c_str());
    }
    return words.toStdString();
}
