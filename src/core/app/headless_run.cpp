#include "core/app/headless_run.h"

#include <ostream>

#include "core/app/field_table.h"
#include "core/app/json_writer.h"
#include "core/dialog/field_exchange.h"
#include "core/dialog/tool.h"
#include "core/dialog/utf8.h"
#include "core/figures/solver_figures.h"
#include "core/figures/svg_writer.h"

namespace tool_runner {

namespace {

std::string withoutMnemonic(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '&') {
            out += c;
        }
    }
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// A caption or menu text as a user names it: no '&', blanks collapsed, any case.
std::string plain(std::string_view text) {
    std::string out;
    for (const char c : withoutMnemonic(text)) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out += c;
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return lower(out);
}

std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

bool isField(const ControlTemplate& row) {
    return row.kind == ControlKind::Edit && row.id != kNoId;
}

bool isButton(const ControlTemplate& row) {
    return (row.kind == ControlKind::PushButton || row.kind == ControlKind::UnitButton) && row.id != kNoId;
}

const char* kindName(const ControlTemplate& row) {
    return row.kind == ControlKind::Edit         ? "field"
           : row.kind == ControlKind::UnitButton ? "unit button"
                                                 : "button";
}

// A field by its accessible name, a button by its caption without '&'.
std::string nameOf(const ControlTemplate& row) {
    if (isField(row)) {
        return row.name != nullptr ? row.name : "";
    }
    return withoutMnemonic(row.caption);
}

std::string listOf(const std::vector<NamedControl>& controls) {
    std::string list;
    for (const NamedControl& control : controls) {
        list += (list.empty() ? "" : ", ") +
                (control.name.empty() ? "#" + std::to_string(control.row->id) : control.name);
    }
    return list;
}

}  // namespace

std::string HeadlessHost::text(int controlId, std::size_t maxChars) const {
    for (const auto& [id, text] : texts_) {
        if (id == controlId) {
            return utf8::firstUnits(text, maxChars);
        }
    }
    return {};
}

void HeadlessHost::setText(int controlId, std::string_view text) {
    // A running log (the advanced calculator's history) is written back whole
    // at every press, having grown at its end if at all: only what is new is
    // looked at, or a long run of presses would take time in their square.
    std::string* found = nullptr;
    for (auto& [id, text] : texts_) {
        if (id == controlId) {
            found = &text;
        }
    }
    std::string& stored = found != nullptr ? *found : texts_.emplace_back(controlId, std::string()).second;
    if (text.size() >= stored.size() && text.starts_with(stored)) {
        stored += utf8::replaceInvalid(text.substr(stored.size()));
    } else {
        stored = utf8::replaceInvalid(text);
    }
}

void HeadlessHost::showMessage(std::string_view text) {
    messages.emplace_back(text);
    // One write per message, so that lines from several runs sharing the
    // terminal never mix.
    std::string shown = "brimlet: ";
    if (line_ != 0) {
        shown += "line " + std::to_string(line_) + ": ";
    }
    shown += oneLine(std::string(text)) + '\n';
    err_ << shown;
}

void HeadlessHost::clear(std::size_t line) {
    // Emptied, not dropped: a line's texts reuse the last line's memory.
    for (auto& entry : texts_) {
        entry.second.clear();
    }
    messages.clear();
    line_ = line;
}

HeadlessRun::HeadlessRun(const ToolCommand& command, std::ostream& err)
    : command_(command), host_(err), tool_(command.create()) {
    for (const ControlTemplate& row : command.dialogTemplate->controls) {
        if (isField(row)) {
            fields_.push_back({&row, nameOf(row), plain(nameOf(row))});
        } else if (isButton(row)) {
            buttons_.push_back({&row, nameOf(row), plain(nameOf(row))});
        }
    }
    tool_->attach(&host_);
    tool_->writeAllFields();
}

HeadlessRun::~HeadlessRun() {
    tool_->attach(nullptr);
}

void HeadlessRun::restart(std::size_t line) {
    tool_->attach(nullptr);
    host_.clear(line);
    tool_ = command_.create();
    tool_->attach(&host_, steps_.get());
    if (steps_) {
        steps_->restart(nullptr);
    }
    tool_->writeAllFields();
}

void HeadlessRun::recordSteps() {
    steps_ = std::make_unique<StepRecorder>();
    tool_->attach(&host_, steps_.get());
}

void HeadlessRun::printSteps(std::ostream& out, std::size_t line) const {
    for (const std::string& step : steps_->lines()) {
        if (line != 0) {
            out << line << '\t';
        }
        out << step << '\n';
    }
}

void HeadlessRun::chooseFields(std::span<const int> fieldIds) {
    rowFields_.clear();
    for (const NamedControl& field : fields_) {
        if (fieldIds.empty()) {
            rowFields_.push_back(&field);
        }
    }
    for (const int id : fieldIds) {
        for (const NamedControl& field : fields_) {
            if (field.row->id == id) {
                rowFields_.push_back(&field);
            }
        }
    }
}

std::size_t HeadlessRun::enteredLimit(int fieldId) const {
    for (const Binding& binding : tool_->bindings()) {
        if (binding.controlId == fieldId) {
            return exchange::enteredLimit(binding.kind());
        }
    }
    return exchange::kUserTextLimit;
}

void HeadlessRun::printHeader(std::ostream& out) const {
    const char* separator = "";
    for (const NamedControl* field : rowFields_) {
        out << separator << field_table::cell(field->name);
        separator = "\t";
    }
    out << '\n';
}

void HeadlessRun::printRow(std::ostream& out, bool json, std::size_t line, bool blank) const {
    std::vector<std::string> texts;
    texts.reserve(rowFields_.size());
    for (const NamedControl* field : rowFields_) {
        texts.push_back(blank ? std::string() : host_.text(field->row->id, std::string::npos));
    }
    if (json) {
        std::vector<json_writer::Field> fields;
        fields.reserve(rowFields_.size());
        for (std::size_t i = 0; i < rowFields_.size(); ++i) {
            fields.push_back({rowFields_[i]->row->id, rowFields_[i]->name, texts[i]});
        }
        const std::vector<std::string> steps = steps_ ? steps_->lines() : std::vector<std::string>();
        json_writer::writeResult(out, command_.className, fields, host_.messages, line,
                                 steps_ ? &steps : nullptr);
        return;
    }
    const char* separator = "";
    for (const std::string& text : texts) {
        out << separator << field_table::cell(text);
        separator = "\t";
    }
    out << '\n';
}

void HeadlessRun::press(int buttonId) {
    tool_->handle(buttonId);
}

void HeadlessRun::keys(std::string_view text) {
    for (const char c : text) {
        ToolKey key = ToolKey::Character;
        if (c == '\n' || c == '\r') {
            key = ToolKey::Enter;
        } else if (c == '\b') {
            key = ToolKey::Backspace;
        } else if (c == '\x7f') {
            key = ToolKey::Delete;
        } else if (c <= ' ' || c > '~') {
            continue;
        }
        if (tool_->handleKey(key, c) || key != ToolKey::Enter) {
            continue;
        }
        const ControlTemplate* fallback = defaultButton();
        if (fallback != nullptr) {
            tool_->handle(fallback->id);
        } else {
            tool_->readAllFields();
        }
    }
}

void HeadlessRun::run(const Step& step) {
    switch (step.verb) {
        case Verb::Set:
            set(step.id, step.value);
            break;
        case Verb::Press:
            press(step.id);
            break;
        case Verb::Keys:
            keys(step.value);
            break;
    }
}

void HeadlessRun::list(std::ostream& out, bool json) const {
    std::vector<std::string> names;
    std::vector<json_writer::Control> controls;
    names.reserve(command_.dialogTemplate->controls.size());
    for (const ControlTemplate& row : command_.dialogTemplate->controls) {
        if (isField(row) || isButton(row)) {
            names.push_back(nameOf(row));
            controls.push_back({row.id, names.back(), kindName(row)});
        }
    }
    if (json) {
        json_writer::writeControls(out, command_.className, controls);
        return;
    }
    for (const json_writer::Control& control : controls) {
        out << control.name << '\t' << control.id << '\t' << control.kind << '\n';
    }
}

void HeadlessRun::print(std::ostream& out, bool json) const {
    if (!json) {
        for (const NamedControl& field : fields_) {
            out << field_table::line(field.name, host_.text(field.row->id, std::string::npos));
        }
        return;
    }
    std::vector<std::string> texts;
    std::vector<json_writer::Field> fields;
    texts.reserve(fields_.size());
    for (const NamedControl& field : fields_) {
        texts.push_back(host_.text(field.row->id, std::string::npos));
        fields.push_back({field.row->id, field.name, texts.back()});
    }
    const std::vector<std::string> steps = steps_ ? steps_->lines() : std::vector<std::string>();
    json_writer::writeResult(out, command_.className, fields, host_.messages, 0, steps_ ? &steps : nullptr);
}

const ControlTemplate* HeadlessRun::defaultButton() const {
    for (const NamedControl& button : buttons_) {
        if ((button.row->flags & cf::Default) != 0) {
            return button.row;
        }
    }
    return nullptr;
}

// The control a user means by name (or by "#" and its id), or why there is none.
const NamedControl& HeadlessRun::find(const std::vector<NamedControl>& controls, std::string_view name,
                                      const char* what) const {
    std::vector<const NamedControl*> found;
    if (name.starts_with('#')) {
        for (const NamedControl& control : controls) {
            if (std::to_string(control.row->id) == name.substr(1)) {
                found.push_back(&control);
            }
        }
    } else {
        const std::string wanted = plain(name);
        for (const NamedControl& control : controls) {
            if (!wanted.empty() && control.key == wanted) {
                found.push_back(&control);
            }
        }
    }
    if (found.size() == 1) {
        return *found.front();
    }
    if (found.empty()) {
        throw Refused{std::string(command_.className) + " has no " + what + " '" + utf8::escaped(name) +
                      "'; its " + what + "s are: " + listOf(controls)};
    }
    std::string ids;
    for (const NamedControl* control : found) {
        ids += (ids.empty() ? "#" : " and #") + std::to_string(control->row->id);
    }
    throw Refused{"'" + utf8::escaped(name) + "' fits more than one " + what + " of " + command_.className +
                  ": " + ids};
}

const ToolCommand& findTool(std::string_view name) {
    const std::string wanted = plain(name);
    for (const ToolCommand& command : toolCommands()) {
        if (plain(command.item) == wanted || lower(command.className) == lower(name)) {
            return command;
        }
    }
    std::string names;
    for (const ToolCommand& command : toolCommands()) {
        names += (names.empty() ? "" : ", ") + withoutMnemonic(command.item);
    }
    throw Refused{"unknown tool '" + utf8::escaped(name) + "'; the tools are: " + names};
}

void listTools(std::ostream& out) {
    for (const ToolCommand& command : toolCommands()) {
        out << command.className << '\t' << withoutMnemonic(command.popup) << '\t' << command.item << '\n';
    }
}

bool HeadlessRun::drawsPicture() const {
    return figure::hasFigure(*command_.dialogTemplate);
}

std::string HeadlessRun::svg() const {
    return figure::toSvg(*figure::figureOf(*command_.dialogTemplate, host_));
}

}  // namespace tool_runner
