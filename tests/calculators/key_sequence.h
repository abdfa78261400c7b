#pragma once

#include <map>
#include <sstream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "support/fake_host.h"

// Key sequences for the calculator tests, written as the button captions
// separated by spaces ("1 . 5 +/- sto2"). The three memory buttons are
// "sto1".."sto3" and "rec1".."rec3"; "calc" is "Calculate (=)"; "@1013=abc"
// types 'abc' into field 1013 (an empty text after '=' empties it).
inline int keyId(const std::string& key) {
    static const std::map<std::string, int> ids{
        {"1", 1000},    {"2", 1001},    {"3", 1002},    {"4", 1003},    {"5", 1004},    {"6", 1005},
        {"7", 1006},    {"8", 1007},    {"9", 1008},    {"0", 1009},    {"+/-", 1011},  {".", 1012},
        {"sto1", 1016}, {"sto2", 1017}, {"sto3", 1018}, {"rec1", 1019}, {"rec2", 1020}, {"rec3", 1021},
        {"=", 1022},    {"+", 1023},    {"-", 1024},    {"*", 1025},    {"/", 1026},    {"clear", 1027},
        {"x^2", 1028},  {"mc", 1029},   {"calc", 1030}, {"x^3", 1032},  {"x^y", 1033},  {"sqrt", 1034},
        {"pi", 1035},   {"n!", 1036},   {"sin", 1037},  {"cos", 1038},  {"tan", 1039},  {"csc", 1040},
        {"sec", 1041},  {"cot", 1042},  {"back", 1043}, {"ch", 1044},   {"log", 1045},  {"ceil", 1046},
        {"flo", 1047},  {"abs", 1048},  {"mod", 1049},  {"1/x", 1050},  {"help", 1056},
    };
    const auto it = ids.find(key);
    return it == ids.end() ? -1 : it->second;
}

template <class T>
void press(OpenTool<T>& open, std::string_view keys) {
    std::istringstream stream{std::string(keys)};
    std::string key;
    while (stream >> key) {
        if (key.starts_with('@')) {
            const std::size_t equals = key.find('=');
            open.type(std::stoi(key.substr(1, equals - 1)), key.substr(equals + 1));
            continue;
        }
        const int id = keyId(key);
        ASSERT_NE(id, -1) << "unknown key " << key;
        ASSERT_TRUE(open.click(id)) << "no handler for " << key;
    }
}
