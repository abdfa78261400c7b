// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <array>
#include <cstddef>

#include "core/reference/periodic_elements.h"

// The element buttons of the periodic table window: which id sits in which
// cell and which element it stands for. The window template, the tool's
// handlers and the grid that the arrow keys walk are all derived from this
// one table; what the window shows of an element comes from kElements.
namespace periodic {

struct Cell {
    int number;  // the element's atomic number
    int id;
    int row;     // 1 to 7, then kLanthanideRow and kActinideRow
    int column;  // 1 to 18
};

inline constexpr int kLanthanideRow = 8;
inline constexpr int kActinideRow = 9;
inline constexpr int kButtonWidth = 21;
inline constexpr int kButtonHeight = 18;

inline constexpr std::array<int, 18> kColumnX{7,   31,  55,  79,  103, 127, 151, 176, 200,
                                              224, 248, 272, 296, 320, 344, 368, 392, 416};
inline constexpr std::array<int, 9> kRowY{7, 27, 48, 69, 90, 111, 131, 161, 181};

// The buttons were placed by hand, so the grid is not quite regular: the
// right half of row 5 sits one unit higher, and columns 8 to 11 of the two
// lower rows one unit further left.
constexpr int cellX(const Cell& cell) {
    const int x = kColumnX[static_cast<std::size_t>(cell.column - 1)];
    const bool lowerRows = cell.row >= kLanthanideRow;
    return lowerRows && cell.column >= 8 && cell.column <= 11 ? x - 1 : x;
}

constexpr int cellY(const Cell& cell) {
    const int y = kRowY[static_cast<std::size_t>(cell.row - 1)];
    return cell.row == 5 && cell.column >= 10 ? y - 1 : y;
}

// Row by row, left to right, as the table reads; this is also the order of
// the buttons in the window, so Tab walks the table the way it is read.
inline constexpr std::array<Cell, 118> kGrid{{
    {1, 1000, 1, 1},
    {2, 1087, 1, 18},

    {3, 1001, 2, 1},
    {4, 1007, 2, 2},
    {5, 1054, 2, 13},
    {6, 1063, 2, 14},
    {7, 1069, 2, 15},
    {8, 1075, 2, 16},
    {9, 1081, 2, 17},
    {10, 1088, 2, 18},

    {11, 1002, 3, 1},
    {12, 1008, 3, 2},
    {13, 1055, 3, 13},
    {14, 1064, 3, 14},
    {15, 1070, 3, 15},
    {16, 1076, 3, 16},
    {17, 1082, 3, 17},
    {18, 1089, 3, 18},

    {19, 1003, 4, 1},
    {20, 1011, 4, 2},
    {21, 1015, 4, 3},
    {22, 1019, 4, 4},
    {23, 1023, 4, 5},
    {24, 1027, 4, 6},
    {25, 1031, 4, 7},
    {26, 1034, 4, 8},
    {27, 1038, 4, 9},
    {28, 1042, 4, 10},
    {29, 1045, 4, 11},
    {30, 1049, 4, 12},
    {31, 1057, 4, 13},
    {32, 1065, 4, 14},
    {33, 1071, 4, 15},
    {34, 1077, 4, 16},
    {35, 1083, 4, 17},
    {36, 1090, 4, 18},

    {37, 1004, 5, 1},
    {38, 1012, 5, 2},
    {39, 1016, 5, 3},
    {40, 1020, 5, 4},
    {41, 1024, 5, 5},
    {42, 1028, 5, 6},
    {43, 1009, 5, 7},
    {44, 1035, 5, 8},
    {45, 1039, 5, 9},
    {46, 1043, 5, 10},
    {47, 1046, 5, 11},
    {48, 1050, 5, 12},
    {49, 1058, 5, 13},
    {50, 1066, 5, 14},
    {51, 1072, 5, 15},
    {52, 1078, 5, 16},
    {53, 1084, 5, 17},
    {54, 1091, 5, 18},

    {55, 1005, 6, 1},
    {56, 1013, 6, 2},
    {57, 1017, 6, 3},
    {72, 1021, 6, 4},
    {73, 1025, 6, 5},
    {74, 1029, 6, 6},
    {75, 1032, 6, 7},
    {76, 1036, 6, 8},
    {77, 1040, 6, 9},
    {78, 1044, 6, 10},
    {79, 1047, 6, 11},
    {80, 1051, 6, 12},
    {81, 1061, 6, 13},
    {82, 1067, 6, 14},
    {83, 1073, 6, 15},
    {84, 1079, 6, 16},
    {85, 1085, 6, 17},
    {86, 1092, 6, 18},

    {87, 1006, 7, 1},
    {88, 1014, 7, 2},
    {89, 1018, 7, 3},
    {104, 1022, 7, 4},
    {105, 1026, 7, 5},
    {106, 1030, 7, 6},
    {107, 1033, 7, 7},
    {108, 1037, 7, 8},
    {109, 1041, 7, 9},
    {110, 1056, 7, 10},
    {111, 1048, 7, 11},
    {112, 1053, 7, 12},
    {113, 1062, 7, 13},
    {114, 1068, 7, 14},
    {115, 1074, 7, 15},
    {116, 1080, 7, 16},
    {117, 1086, 7, 17},
    {118, 1093, 7, 18},

    {58, 1094, kLanthanideRow, 5},
    {59, 1095, kLanthanideRow, 6},
    {60, 1096, kLanthanideRow, 7},
    {61, 1097, kLanthanideRow, 8},
    {62, 1098, kLanthanideRow, 9},
    {63, 1099, kLanthanideRow, 10},
    {64, 1100, kLanthanideRow, 11},
    {65, 1101, kLanthanideRow, 12},
    {66, 1102, kLanthanideRow, 13},
    {67, 1103, kLanthanideRow, 14},
    {68, 1104, kLanthanideRow, 15},
    {69, 1105, kLanthanideRow, 16},
    {70, 1106, kLanthanideRow, 17},
    {71, 1107, kLanthanideRow, 18},

    {90, 1108, kActinideRow, 5},
    {91, 1109, kActinideRow, 6},
    {92, 1110, kActinideRow, 7},
    {93, 1111, kActinideRow, 8},
    {94, 1112, kActinideRow, 9},
    {95, 1113, kActinideRow, 10},
    {96, 1114, kActinideRow, 11},
    {97, 1115, kActinideRow, 12},
    {98, 1116, kActinideRow, 13},
    {99, 1117, kActinideRow, 14},
    {100, 1118, kActinideRow, 15},
    {101, 1119, kActinideRow, 16},
    {102, 1120, kActinideRow, 17},
    {103, 1121, kActinideRow, 18},
}};

// The cell of a button id; nullptr for an id that is no element button.
constexpr const Cell* findCell(int id) {
    for (const Cell& cell : kGrid) {
        if (cell.id == id) {
            return &cell;
        }
    }
    return nullptr;
}

// Every element has its one button.
constexpr bool eachElementOnce() {
    std::array<int, kElements.size() + 1> seen{};
    for (const Cell& cell : kGrid) {
        if (cell.number < 1 || cell.number > static_cast<int>(kElements.size()) ||
            seen[static_cast<std::size_t>(cell.number)]++ != 0) {
            return false;
        }
    }
    return true;
}
static_assert(eachElementOnce());

}  // namespace periodic
