#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialog/field_host.h"
#include "core/dialog/tool.h"

// A window made of a map of texts: what the core tests drive tools through.
class FakeHost : public FieldHost {
public:
    std::map<int, std::string> texts;
    std::vector<std::string> messages;
    std::vector<int> focused;  // every focus-and-select-all, in order
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
    }
    void focusAndSelectAll(int controlId) override { focused.push_back(controlId); }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    const std::string& operator[](int controlId) { return texts[controlId]; }
};

// Opens a tool as its window does: attach, then the opening write of all fields.
template <class T>
struct OpenTool {
    FakeHost host;
    T tool;
    OpenTool() {
        tool.attach(&host);
        tool.writeAllFields();
    }
    // Types a text into a field.
    void type(int controlId, std::string_view text) { host.texts[controlId] = std::string(text); }
    // Clicks a button; fails the caller's expectations if it has no handler.
    bool click(int controlId) { return tool.handle(controlId); }
    const std::string& field(int controlId) { return host[controlId]; }
};
