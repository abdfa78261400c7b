#include <gtest/gtest.h>

#include "support/fake_host.h"

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "core/solvers/bend.h"
#include "core/solvers/geo.h"
#include "core/solvers/permutation.h"
#include "core/solvers/prefixes.h"
#include "core/solvers/pythegor.h"
#include "core/solvers/quad.h"
#include "core/solvers/the_combination.h"
#include "core/solvers/uncert.h"

namespace {

struct Window {
    const char* name;
    const DialogTemplate* dialog;
    std::function<std::unique_ptr<Tool>()> make;
    int defaultButton;  // kNoId: Enter confirms
    std::size_t controls;
};

const Window kWindows[] = {
    {"Uncert", &Uncert::kTemplate, &makeTool<Uncert>, 1002, 13},
    {"Geo", &Geo::kTemplate, &makeTool<Geo>, 1000, 26},
    {"Pythegor", &Pythegor::kTemplate, &makeTool<Pythegor>, kNoId, 13},
    {"Quad", &Quad::kTemplate, &makeTool<Quad>, 1000, 14},
    {"Prefixes", &Prefixes::kTemplate, &makeTool<Prefixes>, 1000, 25},
    {"Bend", &Bend::kTemplate, &makeTool<Bend>, 1000, 19},
    {"TheCombination", &TheCombination::kTemplate, &makeTool<TheCombination>, 1000, 9},
    {"Permutation", &Permutation::kTemplate, &makeTool<Permutation>, 1000, 9},
};

class SolverWindow : public ::testing::TestWithParam<Window> {};

// The tool and its template must agree: every edit is bound, every bound id
// is an edit, every push button has a handler and nothing else has one.
TEST_P(SolverWindow, ToolAndTemplateAgree) {
    const Window& w = GetParam();
    const std::unique_ptr<Tool> tool = w.make();
    std::set<int> bound;
    for (const Binding& binding : tool->bindings()) {
        EXPECT_TRUE(bound.insert(binding.controlId).second) << "bound twice: " << binding.controlId;
    }
    std::set<int> edits;
    int defaults = 0;
    int defaultId = kNoId;
    for (const ControlTemplate& control : w.dialog->controls) {
        SCOPED_TRACE(control.id);
        if (control.kind == ControlKind::Edit) {
            edits.insert(control.id);
            EXPECT_NE(0u, control.flags & cf::AutoHScroll);
        }
        if (control.kind == ControlKind::PushButton) {
            EXPECT_TRUE(tool->hasHandler(control.id));
        } else {
            EXPECT_FALSE(tool->hasHandler(control.id));
        }
        if ((control.flags & cf::Default) != 0) {
            ++defaults;
            defaultId = control.id;
        }
        if (control.id == kNoId) {
            EXPECT_TRUE(control.kind == ControlKind::Label || control.kind == ControlKind::GroupBox);
        }
    }
    EXPECT_EQ(edits, bound);
    EXPECT_EQ(w.defaultButton, defaultId);
    EXPECT_LE(defaults, 1);
    EXPECT_EQ(w.controls, w.dialog->controls.size());
    EXPECT_EQ(DialogStyle::Tool, w.dialog->style);
}

TEST_P(SolverWindow, ControlsLieInsideTheDialog) {
    const Window& w = GetParam();
    for (const ControlTemplate& control : w.dialog->controls) {
        SCOPED_TRACE(control.caption);
        EXPECT_GE(control.x, 0);
        EXPECT_GE(control.y, 0);
        EXPECT_LE(control.x + control.w, w.dialog->width);
        EXPECT_LE(control.y + control.h, w.dialog->height);
    }
}

INSTANTIATE_TEST_SUITE_P(Solvers, SolverWindow, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
