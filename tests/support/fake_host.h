// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "core/tool/field_host.h"
#include "core/tool/tool.h"

// A window made of a map of texts: what the core tests drive tools through.
class FakeHost : public FieldHost {
public:
    std::map<int, std::string> texts;
    std::vector<std::string> messages;
    std::vector<int> focused;  // every move of the focus, in order
    int selected = kNoId;      // the field whose whole text is selected
    int setTextCalls = 0;

    std::string text(int controlId, std::size_t maxChars) const override {
        auto it = texts.find(controlId);
        if (it == texts.end()) {
            return {};
        }
        return it->second.substr(0, maxChars);
    }
    void setText(int controlId, std::string_view text) override {
        ++setTextCalls;
        texts[controlId] = std::string(text);
        selected = controlId == selected ? kNoId : selected;  // a new text drops the selection
    }
    void focusAndSelectAll(int controlId) override {
        if (focused.empty() || focused.back() != controlId) {
            focused.push_back(controlId);
        }
        selected = controlId;
    }
    // Follows the text however it changes (tests type into texts directly),
    // so a TextLog is exchanged by what it adds, as on the command line.
    std::uint64_t textVersion(int controlId) const override {
        return std::hash<std::string>{}(text(controlId, std::string::npos)) | 1;
    }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    const std::string& operator[](int controlId) { return texts[controlId]; }
};

// A control of a template by its id; nullptr when it has none.
inline const ControlTemplate* findControl(const DialogTemplate& dialog, int controlId) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == controlId) {
            return &control;
        }
    }
    return nullptr;
}

// A control of tool class T's template by its id; nullptr when it has none.
template <class T>
const ControlTemplate* control(int controlId) {
    return findControl(T::kTemplate, controlId);
}

// Makes a tool of class T, for tables that drive several tools.
using ToolFactory = std::unique_ptr<Tool> (*)();
template <class T>
std::unique_ptr<Tool> makeTool() {
    return std::make_unique<T>();
}

// Opens a tool as its window does: attach, then the opening write of all
// fields. OpenTool<Length> gives the tool as its own class; OpenTool<> (a
// ToolSession) opens any tool from a factory.
template <class T = Tool>
struct OpenTool {
    FakeHost host;
    std::unique_ptr<T> owned;
    T& tool;

    OpenTool() : OpenTool(std::make_unique<T>()) {}
    explicit OpenTool(ToolFactory factory) : OpenTool(factory()) {}
    explicit OpenTool(std::unique_ptr<T> made) : owned(std::move(made)), tool(*owned) {
        tool.attach(&host);
        tool.writeAllFields();
    }

    // Types a text into a field.
    void type(int controlId, std::string_view text) { host.texts[controlId] = std::string(text); }
    // Clicks a button; false when it has no handler.
    bool click(int controlId) { return tool.handle(controlId); }
    const std::string& field(int controlId) { return host[controlId]; }
    // What every bound field shows, in exchange order.
    std::vector<std::string> fields() {
        std::vector<std::string> shown;
        for (const Binding& binding : tool.bindings()) {
            shown.push_back(host[binding.controlId]);
        }
        return shown;
    }
    // The field exchanged first: a converter's input.
    int firstField() const { return tool.bindings().front().controlId; }

    // The exact double bound to a field, as the last handler left it.
    double value(int controlId) const {
        for (const Binding& binding : tool.bindings()) {
            if (binding.controlId == controlId) {
                if (double* const* pointer = std::get_if<double*>(&binding.value)) {
                    return **pointer;
                }
                ADD_FAILURE() << "field " << controlId << " is not a double field";
                return 0;
            }
        }
        ADD_FAILURE() << "field " << controlId << " is not bound";
        return 0;
    }
};
using ToolSession = OpenTool<>;

// A worked case of a solver: the texts typed into a layout's inputs, the
// button clicked, and the texts its outputs then show, both in layout order.
struct WorkedCase {
    const char* name;
    std::vector<std::string> typed;
    int button;
    std::vector<std::string> shown;
};
struct FieldLayout {
    std::vector<int> inputs;
    std::vector<int> outputs;
};
inline void PrintTo(const WorkedCase& c, std::ostream* out) {
    *out << c.name;
}
inline std::string workedCaseName(const ::testing::TestParamInfo<WorkedCase>& info) {
    return info.param.name;
}

// Runs a worked case on an open tool; a valid case shows no message.
template <class T>
void expectWorkedCase(OpenTool<T>& tool, const FieldLayout& layout, const WorkedCase& c) {
    ASSERT_EQ(layout.inputs.size(), c.typed.size());
    ASSERT_EQ(layout.outputs.size(), c.shown.size());
    for (std::size_t i = 0; i < c.typed.size(); ++i) {
        tool.type(layout.inputs[i], c.typed[i]);
    }
    ASSERT_TRUE(tool.click(c.button));
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
        SCOPED_TRACE(layout.outputs[i]);
        EXPECT_EQ(c.shown[i], tool.field(layout.outputs[i]));
    }
    EXPECT_TRUE(tool.host.messages.empty());
}
