#pragma once

#include <memory>
#include <span>

#include "dialog/tool.h"

// One menu command that opens a tool: which class, from which template.
struct ToolCommand {
    const char* popup;  // menu popup title, '&' marks the mnemonic
    const char* item;   // item text
    int commandId;
    const char* className;
    int templateId;
    std::unique_ptr<Tool> (*create)();
};

// The 23 tool commands in menu order.
std::span<const ToolCommand> toolCommands();
const ToolCommand* findToolCommand(int commandId);
