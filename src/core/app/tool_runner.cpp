#include "core/app/tool_runner.h"

#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/app/command_table.h"
#include "core/dialog/field_host.h"
#include "core/dialog/tool.h"
#include "core/figures/solver_figures.h"
#include "core/figures/svg_writer.h"
#include "core/resources/dialog_template.h"

namespace tool_runner {

namespace {

// A command line that cannot run; what() is the one line that says why.
struct Refused {
    std::string why;
};

// Texts as an edit field holds them: bytes that are no UTF-8 become U+FFFD,
// as they do when the desktop hands such text to a field.
std::string wellFormed(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        }
        if (valid && length >= 3) {
            // No overlong forms, no surrogates, nothing beyond U+10FFFF.
            const auto second = static_cast<unsigned char>(text[i + 1]);
            valid = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second >= 0xA0) &&
                    !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second >= 0x90);
        }
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

// The first maxUnits UTF-16 code units of a UTF-8 text, never half a
// character: what a window's field hands to the exchange.
std::string firstUnits(const std::string& text, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t needed = length == 4 ? 2 : 1;
        if (units + needed > maxUnits) {
            break;
        }
        units += needed;
        i += length;
    }
    return text.substr(0, i);
}

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

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + '"';
}

// The window's four platform operations, on texts alone.
class HeadlessHost : public FieldHost {
public:
    explicit HeadlessHost(std::ostream& err) : err_(err) {}

    std::string text(int controlId, std::size_t maxChars) const override {
        const auto it = texts_.find(controlId);
        return it == texts_.end() ? std::string() : firstUnits(it->second, maxChars);
    }
    void setText(int controlId, std::string_view text) override { texts_[controlId] = wellFormed(text); }
    void focusAndSelectAll(int) override {}
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        err_ << "brimlet: " << oneLine(std::string(text)) << '\n';
    }

    std::vector<std::string> messages;

private:
    std::map<int, std::string> texts_;
    std::ostream& err_;
};

struct Control {
    const ControlTemplate* row;
    std::string name;  // as a user names it: the field's accessible name, the button's caption
};

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

std::string listOf(const std::vector<Control>& controls) {
    std::string list;
    for (const Control& control : controls) {
        list += (list.empty() ? "" : ", ") +
                (control.name.empty() ? "#" + std::to_string(control.row->id) : control.name);
    }
    return list;
}

class Run {
public:
    Run(const ToolCommand& command, const DialogTemplate& dialog, std::ostream& err)
        : command_(command), dialog_(dialog), host_(err), tool_(command.create()) {
        for (const ControlTemplate& row : dialog.controls) {
            if (isField(row)) {
                fields_.push_back({&row, nameOf(row)});
            } else if (isButton(row)) {
                buttons_.push_back({&row, nameOf(row)});
            }
        }
        tool_->attach(&host_);
        tool_->writeAllFields();
    }
    ~Run() { tool_->attach(nullptr); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // The ids that a step names; a name that fits no control, or more than
    // one, refuses the command line.
    int fieldId(std::string_view name) const { return find(fields_, name, "field").row->id; }
    int buttonId(std::string_view name) const { return find(buttons_, name, "button").row->id; }

    void set(int fieldId, std::string_view text) { host_.setText(fieldId, text); }
    void press(int buttonId) { tool_->handle(buttonId); }

    // Each character as a key typed into the window: what the tool takes it
    // takes; Enter ("\n" or "\r") presses the default button, or confirms the
    // window where it has none; everything else goes nowhere.
    void keys(std::string_view text) {
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

    void list(std::ostream& out) const {
        for (const ControlTemplate& row : dialog_.controls) {
            if (isField(row) || isButton(row)) {
                out << nameOf(row) << '\t' << row.id << '\t' << kindName(row) << '\n';
            }
        }
    }

    void print(std::ostream& out, bool json) const {
        if (!json) {
            for (const Control& field : fields_) {
                out << field.name << '\t' << host_.text(field.row->id, std::string::npos) << '\n';
            }
            return;
        }
        out << "{\"tool\": " << jsonString(command_.className) << ", \"fields\": [";
        const char* separator = "";
        for (const Control& field : fields_) {
            out << separator << "{\"id\": " << field.row->id << ", \"name\": " << jsonString(field.name)
                << ", \"text\": " << jsonString(host_.text(field.row->id, std::string::npos)) << '}';
            separator = ", ";
        }
        out << "], \"messages\": [";
        separator = "";
        for (const std::string& message : host_.messages) {
            out << separator << jsonString(message);
            separator = ", ";
        }
        out << "]}\n";
    }

    bool showedMessages() const { return !host_.messages.empty(); }

    // The tool's picture as SVG, from the fields as they stand.
    std::string svg() const { return figure::toSvg(*figure::figureOf(dialog_, host_)); }

private:
    // A field by its accessible name, a button by its caption without '&'.
    std::string nameOf(const ControlTemplate& row) const {
        if (isField(row)) {
            return row.name != nullptr ? row.name : "";
        }
        return withoutMnemonic(row.caption);
    }

    const ControlTemplate* defaultButton() const {
        for (const Control& button : buttons_) {
            if ((button.row->flags & cf::Default) != 0) {
                return button.row;
            }
        }
        return nullptr;
    }

    // The control a user means by name (or by "#" and its id), or why there is none.
    const Control& find(const std::vector<Control>& controls, std::string_view name, const char* what) const {
        std::vector<const Control*> found;
        if (name.starts_with('#')) {
            for (const Control& control : controls) {
                if (std::to_string(control.row->id) == name.substr(1)) {
                    found.push_back(&control);
                }
            }
        } else {
            const std::string wanted = plain(name);
            for (const Control& control : controls) {
                if (!wanted.empty() && plain(control.name) == wanted) {
                    found.push_back(&control);
                }
            }
        }
        if (found.size() == 1) {
            return *found.front();
        }
        if (found.empty()) {
            throw Refused{std::string(command_.className) + " has no " + what + " '" + std::string(name) +
                          "'; its " + what + "s are: " + listOf(controls)};
        }
        std::string ids;
        for (const Control* control : found) {
            ids += (ids.empty() ? "#" : " and #") + std::to_string(control->row->id);
        }
        throw Refused{"'" + std::string(name) + "' fits more than one " + what + " of " + command_.className +
                      ": " + ids};
    }

    const ToolCommand& command_;
    const DialogTemplate& dialog_;
    HeadlessHost host_;
    std::unique_ptr<Tool> tool_;
    std::vector<Control> fields_;
    std::vector<Control> buttons_;
};

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
    throw Refused{"unknown tool '" + std::string(name) + "'; the tools are: " + names};
}

void listTools(std::ostream& out) {
    for (const ToolCommand& command : toolCommands()) {
        out << command.className << '\t' << withoutMnemonic(command.popup) << '\t' << command.item << '\n';
    }
}

int runTool(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        throw Refused{"--tool needs the name of a tool; 'brimlet --tools' lists them"};
    }
    const ToolCommand& command = findTool(args.front());
    Run run(command, *command.dialogTemplate, err);
    struct Step {
        std::string_view verb;
        std::string_view value;
        int id = kNoId;
    };
    std::vector<Step> steps;
    bool json = false;
    bool list = false;
    std::optional<std::string_view> svgFile;
    // Every step is checked before any runs, so a command line that cannot
    // run shows no message and prints no fields.
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--list") {
            list = true;
        } else if (arg == "--svg") {
            if (++i == args.size()) {
                throw Refused{"--svg needs a file name, or - for standard output"};
            }
            if (!figure::hasFigure(*command.dialogTemplate)) {
                throw Refused{std::string(command.className) + " draws no picture"};
            }
            svgFile = args[i];
        } else if (arg == "--set" || arg == "--press" || arg == "--keys") {
            if (++i == args.size()) {
                throw Refused{std::string(arg) + " needs a value"};
            }
            Step step{arg, args[i]};
            if (arg == "--set") {
                const std::size_t equals = step.value.find('=');
                if (equals == std::string_view::npos) {
                    throw Refused{"--set needs FIELD=TEXT, not '" + std::string(step.value) + "'"};
                }
                step.id = run.fieldId(step.value.substr(0, equals));
                step.value.remove_prefix(equals + 1);
            } else if (arg == "--press") {
                step.id = run.buttonId(step.value);
            }
            steps.push_back(step);
        } else {
            throw Refused{"unknown step '" + std::string(arg) +
                          "'; the steps are --set FIELD=TEXT, --press BUTTON and --keys TEXT, "
                          "with --json, --list or --svg FILE"};
        }
    }
    if (list) {
        run.list(out);
        return 0;
    }
    for (const Step& step : steps) {
        if (step.verb == "--set") {
            run.set(step.id, step.value);
        } else if (step.verb == "--press") {
            run.press(step.id);
        } else {
            run.keys(step.value);
        }
    }
    if (svgFile == "-") {
        out << run.svg();
    } else {
        if (svgFile.has_value()) {
            std::ofstream file{std::string(*svgFile), std::ios::binary | std::ios::trunc};
            file << run.svg();
            if (!file.flush()) {
                throw Refused{"cannot write '" + std::string(*svgFile) + "'"};
            }
        }
        run.print(out, json);
    }
    return run.showedMessages() ? 1 : 0;
}

}  // namespace

bool wanted(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--tool" || arg == "--tools") {
            return true;
        }
    }
    return false;
}

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    try {
        std::size_t start = 0;
        while (start < args.size() && args[start] != "--tool" && args[start] != "--tools") {
            ++start;
        }
        if (start == args.size()) {
            throw Refused{"nothing to run"};
        }
        if (args[start] == "--tools") {
            if (args.size() != 1) {
                throw Refused{"--tools takes nothing else"};
            }
            listTools(out);
            return 0;
        }
        if (start != 0) {
            throw Refused{"--tool comes first, not after '" + std::string(args.front()) + "'"};
        }
        return runTool(args.subspan(1), out, err);
    } catch (const Refused& refused) {
        err << "brimlet: " << refused.why << '\n';
        return 2;
    }
}

}  // namespace tool_runner
