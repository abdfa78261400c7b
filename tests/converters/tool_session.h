#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <gtest/gtest.h>

#include "support/fake_host.h"

// A tool of any class opened on a FakeHost, so that one table can drive
// several converters.
using ToolFactory = std::unique_ptr<Tool> (*)();

template <class T>
std::unique_ptr<Tool> makeTool() {
    return std::make_unique<T>();
}

struct ToolSession {
    FakeHost host;
    std::unique_ptr<Tool> tool;

    explicit ToolSession(ToolFactory factory) : tool(factory()) {
        tool->attach(&host);
        tool->writeAllFields();
    }

    void type(int controlId, std::string_view text) { host.texts[controlId] = std::string(text); }
    bool click(int controlId) { return tool->handle(controlId); }
    const std::string& field(int controlId) { return host[controlId]; }

    // The exact double bound to a field, as the last handler left it.
    double value(int controlId) const {
        for (const Binding& binding : tool->bindings()) {
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
