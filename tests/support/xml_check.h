// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A small XML reader for checking what the program writes: elements,
// attributes and text, with the five named entities and character references.
// It refuses what is not well-formed XML; it knows no DTD and no namespaces.
namespace xml_check {

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;  // the character data directly inside, entities resolved
    std::vector<std::unique_ptr<Element>> children;

    // Every element below this one (this one included) named name, in document order.
    void collect(std::string_view wanted, std::vector<const Element*>& found) const {
        if (name == wanted) {
            found.push_back(this);
        }
        for (const auto& child : children) {
            child->collect(wanted, found);
        }
    }
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The document's root element, or nullptr with error() saying why.
    std::unique_ptr<Element> parse() {
        skipBlanks();
        if (text_.substr(pos_, 5) == "<?xml") {
            const std::size_t end = text_.find("?>", pos_);
            if (end == std::string_view::npos) {
                return fail("unterminated XML declaration");
            }
            pos_ = end + 2;
        }
        skipBlanks();
        auto root = element();
        if (root == nullptr) {
            return nullptr;
        }
        skipBlanks();
        if (pos_ != text_.size()) {
            return fail("text after the root element");
        }
        return root;
    }

    const std::string& error() const { return error_; }

private:
    std::unique_ptr<Element> fail(const std::string& why) {
        if (error_.empty()) {
            error_ = why + " at " + std::to_string(pos_);
        }
        return nullptr;
    }

    void skipBlanks() {
        while (pos_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }

    std::string name() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '-' ||
                text_[pos_] == '_' || text_[pos_] == ':' || text_[pos_] == '.')) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    // Character data up to stop, entities resolved; false on a bare '<' or '&'.
    bool characters(char stop, std::string& out) {
        while (pos_ < text_.size() && text_[pos_] != stop) {
            const char c = text_[pos_];
            if (c == '<') {
                return false;
            }
            if (c == '&') {
                const std::size_t end = text_.find(';', pos_);
                if (end == std::string_view::npos) {
                    return false;
                }
                const std::string_view entity = text_.substr(pos_ + 1, end - pos_ - 1);
                static const std::map<std::string_view, std::string_view> kNamed{
                    {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
                if (const auto it = kNamed.find(entity); it != kNamed.end()) {
                    out += it->second;
                } else if (entity.size() < 2 || entity[0] != '#') {
                    return false;
                }
                pos_ = end + 1;
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                return false;
            }
            out += c;
            ++pos_;
        }
        return true;
    }

    std::unique_ptr<Element> element() {
        if (pos_ >= text_.size() || text_[pos_] != '<') {
            return fail("expected an element");
        }
        ++pos_;
        auto node = std::make_unique<Element>();
        node->name = name();
        if (node->name.empty()) {
            return fail("element without a name");
        }
        for (;;) {
            skipBlanks();
            if (text_.substr(pos_, 2) == "/>") {
                pos_ += 2;
                return node;
            }
            if (pos_ < text_.size() && text_[pos_] == '>') {
                ++pos_;
                break;
            }
            const std::string attribute = name();
            if (attribute.empty() || text_.substr(pos_, 2) != "=\"") {
                return fail("malformed attribute in <" + node->name + ">");
            }
            pos_ += 2;
            std::string value;
            if (!characters('"', value) || pos_ >= text_.size()) {
                return fail("malformed value of " + attribute);
            }
            ++pos_;
            if (!node->attributes.emplace(attribute, value).second) {
                return fail("attribute " + attribute + " twice");
            }
        }
        for (;;) {
            if (!characters('<', node->text) || pos_ >= text_.size()) {
                return fail("malformed text in <" + node->name + ">");
            }
            if (text_.substr(pos_, 2) == "</") {
                pos_ += 2;
                if (name() != node->name || pos_ >= text_.size() || text_[pos_] != '>') {
                    return fail("</" + node->name + "> expected");
                }
                ++pos_;
                return node;
            }
            auto child = element();
            if (child == nullptr) {
                return nullptr;
            }
            node->children.push_back(std::move(child));
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace xml_check
