// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/commands/command_table.h"

// Every tool of the command table against its template. A tool added to the
// table is checked here without being named anywhere.
namespace {

bool isButton(const ControlTemplate& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::UnitButton;
}

// Where the tools of one menu popup differ from the rest.
struct Family {
    std::string_view popup;
    bool readOnlyFields = false;  // fields that show what the user may not change
    bool blankKeysAct = false;    // a button without a caption still has a handler
    bool flatFrames = false;      // every group box is drawn with a single line
    bool opensOnAField = true;    // the first tab stop is the first edit of the template
};

constexpr Family kFamilies[] = {
    {"C&hemistry", true, true, false, false},
    {"&Astronomy", false, false, false, false},
    {"Calc&ulators", true, false, true, true},
};

Family familyOf(const ToolCommand& command) {
    const auto* found = std::find_if(std::begin(kFamilies), std::end(kFamilies),
                                     [&command](const Family& f) { return f.popup == command.popup; });
    return found != std::end(kFamilies) ? *found : Family{command.popup};
}

class Agreement : public testing::TestWithParam<const ToolCommand*> {};

// Every field the tool binds is an edit of its template and every edit is
// bound; a captioned button has a handler, and nothing but a button has one.
TEST_P(Agreement, BindingsAndHandlersMatchTheControls) {
    const ToolCommand& command = *GetParam();
    const Family family = familyOf(command);
    const std::unique_ptr<Tool> tool = command.create();
    std::set<int> bound;
    for (const Binding& binding : tool->bindings()) {
        EXPECT_TRUE(bound.insert(binding.controlId).second) << "bound twice: " << binding.controlId;
    }
    std::set<int> edits;
    std::set<int> buttons;
    for (const ControlTemplate& control : command.dialogTemplate->controls) {
        SCOPED_TRACE(testing::Message() << "control " << control.id);
        if (control.kind == ControlKind::Edit) {
            edits.insert(control.id);
        }
        if (isButton(control)) {
            buttons.insert(control.id);
            const bool blank = control.caption[0] == '\0';
            EXPECT_EQ(tool->hasHandler(control.id), !blank || family.blankKeysAct);
        }
    }
    EXPECT_EQ(bound, edits);
    // A handler for an id that names no button of the template is a slip too.
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (tool->hasHandler(id)) {
            EXPECT_TRUE(buttons.contains(id)) << "handler for " << id << ", which is no button";
        }
    }
}

TEST_P(Agreement, ControlsFollowTheTemplateRules) {
    const ToolCommand& command = *GetParam();
    const Family family = familyOf(command);
    const DialogTemplate& dialog = *command.dialogTemplate;
    EXPECT_EQ(dialog.style, DialogStyle::Tool);
    std::set<int> ids;
    int defaults = 0;
    for (const ControlTemplate& control : dialog.controls) {
        SCOPED_TRACE(testing::Message() << "control " << control.id << " '" << control.caption << "'");
        if (control.id == kNoId) {
            EXPECT_TRUE(control.kind == ControlKind::Label || control.kind == ControlKind::GroupBox);
        } else {
            EXPECT_TRUE(ids.insert(control.id).second) << "id twice";
        }
        EXPECT_GE(control.x, 0);
        EXPECT_GE(control.y, 0);
        EXPECT_LE(control.x + control.w, dialog.width);
        EXPECT_LE(control.y + control.h, dialog.height);
        if (control.kind == ControlKind::Edit) {
            EXPECT_TRUE(control.flags & cf::AutoHScroll);
            EXPECT_TRUE(family.readOnlyFields || !(control.flags & cf::ReadOnly)) << "results stay editable";
        }
        if (isButton(control)) {
            EXPECT_TRUE(control.flags & cf::Flat);
        }
        if (control.kind == ControlKind::GroupBox && family.flatFrames) {
            EXPECT_TRUE(control.flags & cf::Flat);
        }
        if (control.flags & cf::Default) {
            ++defaults;
            EXPECT_EQ(control.kind, ControlKind::PushButton);
        }
    }
    EXPECT_LE(defaults, 1);
    if (family.opensOnAField) {
        const auto& controls = dialog.controls;
        const auto firstTabStop = std::find_if(
            controls.begin(), controls.end(), [](const ControlTemplate& c) { return c.flags & cf::TabStop; });
        const auto firstEdit = std::find_if(controls.begin(), controls.end(), [](const ControlTemplate& c) {
            return c.kind == ControlKind::Edit;
        });
        EXPECT_EQ(firstTabStop, firstEdit);
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, Agreement, testing::ValuesIn([] {
                             std::vector<const ToolCommand*> all;
                             for (const ToolCommand& command : toolCommands()) {
                                 all.push_back(&command);
                             }
                             return all;
                         }()),
                         [](const auto& info) { return std::string(info.param->className); });

// The one place that spells the numbers out: each command's id, its
// template's id, how many rows the template has, its default button and the
// ids of its controls in template order, as the resource set fixes them.
struct Pinned {
    int commandId;
    int templateId;
    std::size_t rows;
    int defaultButton;
    std::vector<int> ids;
};

void PrintTo(const Pinned& pinned, std::ostream* os) {
    *os << "command " << pinned.commandId;
}

const Pinned kPinned[] = {
    {32782, 137, 26, 1000, {1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018, 1019, 1020, 1000, 1001}},
    {32783, 142, 13, kNoId, {1010, 1011, 1012, 1000, 1001, 1002, 1013, 1003}},
    {32784, 143, 14, 1000, {1010, 1011, 1012, 1017, 1018, 1000, 1001}},
    {32787, 132, 13, 1002, {1010, 1011, 1012, 1013, 1014, 1000, 1001, 1002}},
    {32788, 157, 19, 1000, {1010, 1011, 1012, 1000, 1001, 1019, 1020, 1021, 1022}},
    {32785, 175, 9, 1000, {1010, 1011, 1012, 1000, 1001}},
    {32786, 176, 9, 1000, {1010, 1011, 1012, 1000, 1001}},
    {32789,
     149,
     25,
     1000,
     {1010, 1011, 1012, 1013, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1014, 1015, 1016, 1017,
      1018, 1019}},
    {32790, 177, 129, kNoId, {1000, 1087, 1001, 1007, 1054, 1063, 1069, 1075, 1081, 1088, 1002, 1008, 1055,
                              1064, 1070, 1076, 1082, 1089, 1003, 1011, 1015, 1019, 1023, 1027, 1031, 1034,
                              1038, 1042, 1045, 1049, 1057, 1065, 1071, 1077, 1083, 1090, 1004, 1012, 1016,
                              1020, 1024, 1028, 1009, 1035, 1039, 1043, 1046, 1050, 1058, 1066, 1072, 1078,
                              1084, 1091, 1005, 1013, 1017, 1021, 1025, 1029, 1032, 1036, 1040, 1044, 1047,
                              1051, 1061, 1067, 1073, 1079, 1085, 1092, 1006, 1014, 1018, 1022, 1026, 1030,
                              1033, 1037, 1041, 1056, 1048, 1053, 1062, 1068, 1074, 1080, 1086, 1093, 1094,
                              1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107,
                              1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117, 1118, 1119, 1120,
                              1121, 1010, 1052, 1122, 1123}},
    {32791,
     153,
     35,
     kNoId,
     {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1010, 1011, 1012, 1013, 1014, 1017, 1016, 1018,
      1019, 1020}},
    {32793, 172, 62, 1030, {1010, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1011,
                            1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023,
                            1024, 1025, 1026, 1027, 1029, 1052, 1028, 1032, 1033, 1034, 1035, 1036,
                            1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1056, 1045, 1046, 1047,
                            1048, 1049, 1050, 1051, 1053, 1054, 1055, 1057, 1058, 1030}},
    {32792, 133, 21, 1030, {1010, 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,
                            1009, 1011, 1012, 1023, 1024, 1025, 1026, 1027, 1043, 1030}},
    {32771, 152, 19, 1001, {1010, 1022, 1023, 1024, 1025, 1026, 1011, 1012, 1013, 1014, 1017, 1001}},
    {32772, 150, 16, 1001, {1010, 1022, 1023, 1024, 1025, 1011, 1012, 1013, 1014, 1001}},
    {32773,
     146,
     25,
     1001,
     {1010, 1022, 1023, 1024, 1025, 1026, 1027, 1053, 1011, 1012, 1013, 1014, 1017, 1016, 1018, 1001}},
    {32774, 154, 8, 1001, {1010, 1011, 1000, 1001, 1002}},
    {32775, 151, 13, 1001, {1010, 1022, 1023, 1024, 1011, 1012, 1013, 1001}},
    {32776,
     136,
     22,
     1000,
     {1010, 1022, 1023, 1024, 1025, 1026, 1027, 1011, 1012, 1013, 1014, 1017, 1016, 1000}},
    {32777, 145, 8, 1000, {1010, 1011, 1000, 1001, 1012}},
    {32778, 148, 16, 1001, {1010, 1022, 1023, 1024, 1025, 1011, 1012, 1013, 1014, 1001}},
    {32779, 141, 12, 1000, {1010, 1000, 1022, 1023, 1024, 1011, 1012, 1013, 1014}},
    {32780,
     147,
     22,
     1001,
     {1010, 1022, 1023, 1024, 1025, 1026, 1027, 1011, 1012, 1013, 1014, 1017, 1016, 1001}},
    {32781, 178, 16, 1000, {1010, 1022, 1023, 1024, 1025, 1011, 1012, 1013, 1014, 1000}},
};

class PinnedNumbers : public testing::TestWithParam<Pinned> {};

TEST_P(PinnedNumbers, TemplateRowsCarryTheFixedIds) {
    const Pinned& pinned = GetParam();
    const ToolCommand* command = findToolCommand(pinned.commandId);
    ASSERT_NE(command, nullptr) << "no command " << pinned.commandId;
    const DialogTemplate& dialog = *command->dialogTemplate;
    EXPECT_EQ(dialog.id, pinned.templateId);
    EXPECT_EQ(dialog.controls.size(), pinned.rows);
    std::vector<int> ids;
    int defaultButton = kNoId;
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id != kNoId) {
            ids.push_back(control.id);
        }
        if (control.flags & cf::Default) {
            defaultButton = control.id;
        }
    }
    EXPECT_EQ(ids, pinned.ids);
    EXPECT_EQ(defaultButton, pinned.defaultButton);
}

INSTANTIATE_TEST_SUITE_P(Tools, PinnedNumbers, testing::ValuesIn(kPinned), [](const auto& info) {
    const ToolCommand* command = findToolCommand(info.param.commandId);
    return command != nullptr ? std::string(command->className) : "Missing" + std::to_string(info.index);
});

}  // namespace
