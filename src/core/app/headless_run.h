#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/app/command_table.h"
#include "core/app/tool_arguments.h"
#include "core/dialog/field_host.h"
#include "core/dialog/step_recorder.h"

namespace tool_runner {

// The window's four platform operations, on texts alone. A message goes to
// err as it is shown, and the run goes on as if OK had been clicked.
class HeadlessHost : public FieldHost {
public:
    explicit HeadlessHost(std::ostream& err) : err_(err) {}

    std::string text(int controlId, std::size_t maxChars) const override;
    void setText(int controlId, std::string_view text) override;
    void focusAndSelectAll(int) override {}
    void showMessage(std::string_view text) override;

    // Forgets every text and message, for a fresh tool on the given input line
    // (0: no input line), whose number then goes with each message.
    void clear(std::size_t line);

    std::vector<std::string> messages;

private:
    // By control id; a tool has a few dozen fields at most.
    std::vector<std::pair<int, std::string>> texts_;
    std::ostream& err_;
    std::size_t line_ = 0;
};

// A control as a user names it: the field's accessible name, the button's caption.
struct NamedControl {
    const ControlTemplate* row;
    std::string name;
    std::string key;  // the name without '&', extra blanks and case, as steps are matched
};

// One tool, run without a window: its fields and buttons by name, and the
// steps acting on it as a user acts in its window.
class HeadlessRun : public ControlNames {
public:
    HeadlessRun(const ToolCommand& command, std::ostream& err);
    ~HeadlessRun();
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    int fieldId(std::string_view name) const override { return find(fields_, name, "field").row->id; }
    int buttonId(std::string_view name) const override { return find(buttons_, name, "button").row->id; }
    bool drawsPicture() const override;
    bool recordsSteps() const override { return tool_->recordsSteps(); }

    // From now on each press records its worked steps.
    void recordSteps();

    void set(int fieldId, std::string_view text) { host_.setText(fieldId, text); }
    void press(int buttonId);
    // Each character as a key typed into the window: what the tool takes it
    // takes; Enter ("\n" or "\r") presses the default button, or confirms the
    // window where it has none; everything else goes nowhere.
    void keys(std::string_view text);
    void run(const Step& step);

    // Pipeline mode: a fresh tool for the given input line; the fields of each
    // row (none: all, in template order); how much of a line the field takes.
    void restart(std::size_t line);
    void chooseFields(std::span<const int> fieldIds);
    std::size_t enteredLimit(int fieldId) const;
    // A message of the run's own about the current line, as the tool's are shown.
    void refuseLine(const std::string& why) { host_.showMessage(why); }
    // The chosen fields' names, or their texts (blank: empty texts) as one row
    // of tab-separated cells or one JSON object.
    void printHeader(std::ostream& out) const;
    void printRow(std::ostream& out, bool json, std::size_t line, bool blank) const;
    // The worked steps of the last press, one a line; in pipeline mode each
    // after the input line's number and a tab.
    void printSteps(std::ostream& out, std::size_t line = 0) const;

    // The fields and buttons: name, id and kind, as lines or one JSON object.
    void list(std::ostream& out, bool json) const;
    // Every field in template order, as name<TAB>text lines or one JSON object.
    void print(std::ostream& out, bool json) const;

    // The tool's picture as SVG, drawn from the fields as they stand.
    std::string svg() const;

    bool showedMessages() const { return !host_.messages.empty(); }

private:
    const NamedControl& find(const std::vector<NamedControl>& controls, std::string_view name,
                             const char* what) const;
    const ControlTemplate* defaultButton() const;

    const ToolCommand& command_;
    HeadlessHost host_;
    std::unique_ptr<Tool> tool_;
    std::vector<NamedControl> fields_;
    std::vector<NamedControl> buttons_;
    std::vector<const NamedControl*> rowFields_;
    std::unique_ptr<StepRecorder> steps_;
};

// The tool a user means by its menu item (any case, '&' and repeated blanks
// not counting) or its class name; throws Refused when none fits.
const ToolCommand& findTool(std::string_view name);

// Every tool: class name, menu and item, one line each.
void listTools(std::ostream& out);

}  // namespace tool_runner
