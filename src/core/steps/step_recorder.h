// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct DialogTemplate;
class Wording;

// One value put into a worked step. Numbers are kept as the doubles the
// handler computed and turned into text only when the steps are read, so
// recording costs a press a few stores.
class StepArg {
public:
    enum class Kind : unsigned char {
        Number,   // a computed value, in all the digits that make it
        Shown,    // a value that lands in a field: '≈' and the field's text follow where rounded
        Integer,  // an integer field's value
        Word,     // a text that outlives the recorder: a caption, a unit, a table's entry
        Field,    // a field, named as the window names it
        Typed,    // a user's text, which the recorder copies: quoted, escaped and cut to a readable length
    };

    // Implicit, so that a step's values read as the arithmetic they come from.
    StepArg(double value) : number_(value) {}                       // NOLINT(google-explicit-constructor)
    StepArg(int value) : integer_(value), kind_(Kind::Integer) {}   // NOLINT(google-explicit-constructor)
    StepArg(const char* word) : StepArg(std::string_view(word)) {}  // NOLINT(google-explicit-constructor)
    StepArg(std::string_view word)                                  // NOLINT(google-explicit-constructor)
        : word_(word.data()), integer_(static_cast<int>(word.size())), kind_(Kind::Word) {}
    StepArg() = default;

    static StepArg shown(double value) {
        StepArg arg(value);
        arg.kind_ = Kind::Shown;
        return arg;
    }
    static StepArg field(int controlId) {
        StepArg arg(controlId);
        arg.kind_ = Kind::Field;
        return arg;
    }
    // Only for add(): the text need not outlive the call.
    static StepArg typed(std::string_view text) {
        StepArg arg(text);
        arg.kind_ = Kind::Typed;
        return arg;
    }

    Kind kind() const { return kind_; }
    double number() const { return number_; }
    int integer() const { return integer_; }
    std::string_view word() const { return {word_, static_cast<std::size_t>(integer_)}; }

private:
    // Small, as a press copies a few of them: a word's length is its integer.
    double number_ = 0;
    const char* word_ = nullptr;
    int integer_ = 0;
    Kind kind_ = Kind::Number;
};

// The worked steps of one press, recorded by the handler as it computes:
// each step a pattern (a literal that outlives the recorder) whose "%1",
// "%2", ... take the arguments by their place (pattern::fill), so that a
// translation may reorder them. A negative number right after an operator or
// before '²' is put in parentheses. At most kMaxLines lines are kept: a screen.
class StepRecorder {
public:
    static constexpr std::size_t kMaxLines = 40;
    static constexpr std::size_t kMaxArgs = 18;

    StepRecorder() { entries_.reserve(kMaxLines); }

    // Starts the steps of a new press of a tool with this template (fields are
    // named from it); the memory of the last press is kept for the next.
    void restart(const DialogTemplate* dialog);

    void add(std::string_view pattern, std::initializer_list<StepArg> args = {}) {
        add(pattern, std::span<const StepArg>(args.begin(), args.size()));
    }
    // At most one of args is a user's text (StepArg::typed).
    void add(std::string_view pattern, std::span<const StepArg> args);
    // A step whose count values the caller fills in place, none of them
    // typed; empty when the screen is full.
    std::span<StepArg> begin(std::string_view pattern, std::size_t count);

    bool empty() const { return entries_.empty(); }
    // The steps as lines of text: the last line says how many more there were
    // when there were too many. With a wording, the patterns, the words put
    // into them and the fields' names are in the user's language.
    std::vector<std::string> lines(const Wording* wording = nullptr) const;

private:
    struct Entry {
        std::string_view pattern;
        std::array<StepArg, kMaxArgs> args;
        std::size_t count = 0;
        std::string text;  // the typed value's copy
    };

    Entry* next();
    std::string render(const Entry& entry, const Wording* wording) const;
    void appendValue(std::string& line, const Entry& entry, const StepArg& value, std::string_view after,
                     const Wording* wording) const;
    std::string fieldName(int controlId) const;
    // A number's text with the fewest digits that give it back. The same
    // numbers come back line after line and press after press (the input,
    // the constants of a row, a result a later line reuses), so the last
    // texts are kept by the number's bits.
    std::string_view exactText(double value) const;

    struct NumberText {
        std::uint64_t bits = 0;
        std::uint8_t size = 0;  // 0: none kept
        std::array<char, 31> text{};
    };
    mutable std::array<NumberText, 64> numberTexts_{};

    std::vector<Entry> entries_;
    std::size_t used_ = 0;
    std::size_t dropped_ = 0;
    const DialogTemplate* dialog_ = nullptr;
};
