// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/steps/step_recorder.h"
#include "core/templates/dialog_template.h"
#include "core/tool/field_exchange.h"
#include "core/tool/key_table.h"

class FieldHost;

// The values' owner: a tool lists its bindings once, in exchange order, and
// maps control ids to handlers in a static table. It sees its window only
// through FieldHost.
class Tool {
public:
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;
    virtual ~Tool() = default;

    // The window whose fields the tool exchanges, and where the worked steps
    // of each press go (none: nobody reads them, and nothing is recorded).
    void attach(FieldHost* host, StepRecorder* steps = nullptr) {
        host_ = host;
        steps_ = steps;
    }
    FieldHost* host() const { return host_; }
    // Where the worked steps of each press go from now on (none: nowhere).
    void recordStepsIn(StepRecorder* steps) { steps_ = steps; }

    // Whether the handlers record how they computed (the converters and the
    // solvers do).
    virtual bool recordsSteps() const { return false; }
    virtual const DialogTemplate& dialogTemplate() const = 0;

    std::span<const Binding> bindings() const { return {bindings_.data(), bindingCount_}; }

    // Becomes a fresh tool of its class, as one just made: what the command
    // line does between the lines of its input, in the memory it has.
    virtual void renew() = 0;

    // Field exchange with the attached window.
    bool readAllFields();
    void writeAllFields();

    // Runs the handler that the control's click is mapped to; false when the
    // control has none. Each press starts the steps afresh. A field refused
    // on the way ends focused with its text selected, whatever the handler
    // wrote after the refusal.
    bool handle(int controlId);
    virtual bool hasHandler(int controlId) const = 0;

    // A key typed while the window has the focus; true when the tool used it.
    // By default, the key's button of keyBindings() is pressed.
    virtual bool handleKey(ToolKey key, char character);

    // The keys that press this tool's buttons, for handleKey and for the
    // buttons' tooltips.
    virtual std::span<const KeyBinding> keyBindings() const { return {}; }
    // The button that a typed key presses, or kNoId.
    virtual int keyControl(ToolKey key, char character) const;
    // Every text that message() may show, for the translators' catalogues.
    virtual std::span<const char* const> messageTexts() const { return {}; }
    // The words (not numbers) this tool writes into its fields, which the
    // windows show in the user's language.
    virtual std::span<const char* const> fieldWords() const { return {}; }
    // The names of the keys that press this control ("7", "Backspace"), or
    // empty when no key does.
    std::vector<std::string> keyNames(int controlId) const;

protected:
    Tool() = default;

    void bind(int controlId, double& value) { add({controlId, &value}); }
    void bind(int controlId, int& value) { add({controlId, &value}); }
    void bind(int controlId, std::string& value) { add({controlId, &value}); }
    void bind(int controlId, TextLog& value) { add({controlId, &value}); }

    // Sets every bound value to 0, a text to empty, and writes all fields:
    // what a Clear button does once it has read the fields (or chosen not to).
    void clearAllFields();

    // Shows a message box through the window (no-op when detached).
    void message(const std::string& text);

    // A worked step of the press that runs (StepRecorder::add).
    void step(std::string_view pattern, std::initializer_list<StepArg> args = {}) {
        if (recording()) {
            steps_->add(pattern, args);
        }
    }
    bool recording() const { return steps_ != nullptr && handling_; }
    // Where the steps of the press that runs go; none when nobody reads them.
    StepRecorder* recorder() const { return recording() ? steps_ : nullptr; }
    // The name the window gives a field, or a button's caption.
    std::string_view controlName(int controlId) const;

    virtual bool dispatch(int controlId) = 0;

private:
    void add(const Binding& binding);

    // No tool binds more fields: held in place, they cost a tool no memory
    // of its own, which counts where the command line makes one for every
    // input line.
    static constexpr std::size_t kMaxBindings = 12;

    FieldHost* host_ = nullptr;
    StepRecorder* steps_ = nullptr;
    bool handling_ = false;
    std::array<Binding, kMaxBindings> bindings_{};
    std::size_t bindingCount_ = 0;
    int refused_ = kNoId;  // the field refused in the running handler
};

// One row of a tool's handler table: a control id (or a range of ids) and the
// member function its click runs. Handlers that serve a range get the id.
template <class T>
struct MessageEntry {
    int first;
    int last;
    void (T::*handler)() = nullptr;
    void (T::*handlerWithId)(int) = nullptr;

    constexpr MessageEntry(int id, void (T::*fn)()) : first(id), last(id), handler(fn) {}
    constexpr MessageEntry(int id, void (T::*fn)(int)) : first(id), last(id), handlerWithId(fn) {}
    constexpr MessageEntry(int from, int to, void (T::*fn)(int)) : first(from), last(to), handlerWithId(fn) {}
};

// Base of every tool class T. T provides
//     static std::span<const MessageEntry<T>> messageMap();
// listing its handlers; the first entry that covers a control id wins.
template <class T>
class DialogTool : public Tool {
public:
    bool hasHandler(int controlId) const override { return find(controlId) != nullptr; }
    const DialogTemplate& dialogTemplate() const override { return T::kTemplate; }
    // T is the tool's own class (every tool class derives from DialogTool of
    // itself): the object ends and a new one is made where it was.
    void renew() override {
        T* const self = static_cast<T*>(this);
        std::destroy_at(self);
        std::construct_at(self);
    }
    // Every tool of the class takes the same keys: their table is made once.
    int keyControl(ToolKey key, char character) const override {
        static const KeyTable keys(keyBindings());
        return keys.find(key, character);
    }

protected:
    bool dispatch(int controlId) override {
        const MessageEntry<T>* entry = find(controlId);
        if (entry == nullptr) {
            return false;
        }
        T* self = static_cast<T*>(this);
        if (entry->handler != nullptr) {
            (self->*(entry->handler))();
        } else {
            (self->*(entry->handlerWithId))(controlId);
        }
        return true;
    }

private:
    // Every tool of the class has the same handlers: which entry serves each
    // control is worked out once, for the first press, since a calculator
    // on the command line presses three or more buttons a line.
    static const MessageEntry<T>* find(int controlId) {
        static const HandlerTable table;
        if (table.covers) {
            const auto at = static_cast<std::size_t>(controlId) - static_cast<std::size_t>(table.lowest);
            return controlId >= table.lowest && at < table.entries.size() ? table.entries[at] : nullptr;
        }
        for (const MessageEntry<T>& entry : T::messageMap()) {
            if (controlId >= entry.first && controlId <= entry.last) {
                return &entry;
            }
        }
        return nullptr;
    }

    // The entry of each id from the lowest to the highest that the map
    // names; where they lie too far apart (they never do), the map is
    // searched entry by entry instead.
    struct HandlerTable {
        HandlerTable() {
            const std::span<const MessageEntry<T>> map = T::messageMap();
            if (map.empty()) {
                return;
            }
            int highest = map.front().last;
            lowest = map.front().first;
            for (const MessageEntry<T>& entry : map) {
                lowest = std::min(lowest, entry.first);
                highest = std::max(highest, entry.last);
            }
            if (highest - lowest >= 4096) {
                return;
            }
            entries.resize(static_cast<std::size_t>(highest - lowest) + 1);
            for (const MessageEntry<T>& entry : map) {
                for (int id = entry.first; id <= entry.last; ++id) {
                    const MessageEntry<T>*& slot = entries[static_cast<std::size_t>(id - lowest)];
                    slot = slot != nullptr ? slot : &entry;  // the first entry that covers an id wins
                }
            }
            covers = true;
        }
        int lowest = 0;
        std::vector<const MessageEntry<T>*> entries;
        bool covers = false;
    };
};
