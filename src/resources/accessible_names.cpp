#include "resources/accessible_names.h"

#include <climits>

namespace {

// Names for controls that have neither a caption nor a label beside them.
struct NamedControl {
    int templateId;
    int controlId;
    const char* name;
};

constexpr NamedControl kNamed[] = {
    // Advanced and basic calculator.
    {172, 1010, "Display"},
    {172, 1013, "Memory 1"},
    {172, 1014, "Memory 2"},
    {172, 1015, "Memory 3"},
    {172, 1052, "History"},
    {172, 1051, "Unused key"},
    {172, 1053, "Unused key"},
    {172, 1054, "Unused key"},
    {172, 1055, "Unused key"},
    {172, 1057, "Unused key"},
    {172, 1058, "Unused key"},
    {133, 1010, "Display"},
    // Temperature converter: two results and the names of their units.
    {141, 1011, "First result"},
    {141, 1012, "Second result"},
    {141, 1013, "Unit of the first result"},
    {141, 1014, "Unit of the second result"},
    // Absolute uncertainty.
    {132, 1010, "First value"},
    {132, 1011, "Percent uncertainty of the first value"},
    {132, 1012, "Second value"},
    {132, 1013, "Absolute uncertainty of the second value"},
    {132, 1014, "Result"},
    // Line functions.
    {137, 1010, "Point 1 X"},
    {137, 1011, "Point 1 Y"},
    {137, 1012, "Point 2 X"},
    {137, 1013, "Point 2 Y"},
    {137, 1014, "Slope"},
    {137, 1017, "First intercept"},
    {137, 1016, "Second intercept"},
    {137, 1018, "Distance"},
    {137, 1019, "Midpoint X"},
    {137, 1020, "Midpoint Y"},
    {142, 1013, "Message"},
    // Quadratic formula: a x² + b x + c.
    {143, 1010, "Coefficient a"},
    {143, 1011, "Coefficient b"},
    {143, 1012, "Coefficient c"},
    {143, 1017, "First x-value"},
    {143, 1018, "Second x-value"},
    {144, 1010, "Degrees"},
    {145, 1010, "Degrees"},
    {145, 1011, "Radians"},
    {145, 1012, "Revolutions"},
    {154, 1010, "Roman numeral"},
    {154, 1011, "Arabic number"},
    {149, 1010, "Power of ten"},
    {157, 1019, "Bend Allowance"},
    {157, 1020, "Neutral axis"},
    {157, 1021, "For Right Angle Bend"},
    {157, 1022, "Per degree of bend"},
    {175, 1010, "n"},
    {175, 1011, "r"},
    {175, 1012, "Result"},
    {176, 1010, "n"},
    {176, 1011, "r"},
    {176, 1012, "Result"},
    // Periodic table: the blank cells of row 7.
    {177, 1056, "Unnamed element, group 10"},
    {177, 1048, "Unnamed element, group 11"},
    {177, 1053, "Unnamed element, group 12"},
    {177, 1062, "Empty element, group 13"},
    {177, 1068, "Unnamed element, group 14"},
    {177, 1074, "Empty element, group 15"},
    {177, 1080, "Unnamed element, group 16"},
    {177, 1086, "Empty element, group 17"},
    {177, 1093, "Unnamed element, group 18"},
};

std::string withoutMnemonic(const char* caption) {
    std::string text;
    for (const char* p = caption; *p != '\0'; ++p) {
        if (*p == '&' && p[1] != '\0') {
            ++p;
        }
        text += *p;
    }
    return text;
}

// The label on the same line as the field, nearest to its left or right edge.
const ControlTemplate* labelBeside(const DialogTemplate& dialogTemplate, const ControlTemplate& field) {
    constexpr int kMaxGap = 30;  // dialog units
    const ControlTemplate* best = nullptr;
    int bestGap = INT_MAX;
    for (const ControlTemplate& label : dialogTemplate.controls) {
        if (label.kind != ControlKind::Label || label.caption == nullptr || label.caption[0] == '\0') {
            continue;
        }
        const int labelMiddle = label.y + label.h / 2;
        const bool sameLine =
            (labelMiddle >= field.y && labelMiddle <= field.y + field.h) ||
            (field.y + field.h / 2 >= label.y && field.y + field.h / 2 <= label.y + label.h);
        if (!sameLine) {
            continue;
        }
        int gap = INT_MAX;
        if (label.x >= field.x + field.w) {
            gap = label.x - (field.x + field.w);
        } else if (field.x >= label.x + label.w) {
            gap = field.x - (label.x + label.w);
        }
        if (gap <= kMaxGap && gap < bestGap) {
            best = &label;
            bestGap = gap;
        }
    }
    return best;
}

}  // namespace

std::string accessibleName(const DialogTemplate& dialogTemplate, const ControlTemplate& control) {
    for (const NamedControl& named : kNamed) {
        if (named.templateId == dialogTemplate.id && named.controlId == control.id) {
            return named.name;
        }
    }
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::UnitButton:
            return withoutMnemonic(control.caption);
        case ControlKind::Edit:
            if (const ControlTemplate* label = labelBeside(dialogTemplate, control)) {
                // Spoken without the colon that ends many labels.
                std::string name = withoutMnemonic(label->caption);
                while (!name.empty() && (name.back() == ':' || name.back() == ' ')) {
                    name.pop_back();
                }
                return name;
            }
            // A field with no label is the input of its window when it is the
            // first tab stop, else one of its results.
            for (const ControlTemplate& other : dialogTemplate.controls) {
                if (other.kind == ControlKind::Edit && (other.flags & cf::TabStop) != 0) {
                    return &other == &control ? "Input" : "Result";
                }
            }
            return "Result";
        default:
            return {};
    }
}
