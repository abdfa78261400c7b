#pragma once

#include <array>
#include <cstddef>

// The element buttons of the periodic table window: which id sits in which
// cell and what its caption is. Both the window template and the tool's
// handlers are derived from this one table.
namespace periodic {

// What a button puts into the data box.
enum class CellKind {
    Element,  // its own caption
    Unnamed,  // a blank button of an element that had no name yet
    Empty,    // a blank button of a place left empty
};

struct Cell {
    const char* caption;  // "" for the blank buttons
    int id;
    int row;     // 1 to 7, then kLanthanideRow and kActinideRow
    int column;  // 1 to 18
    CellKind kind;
    const char* name = nullptr;  // what a blank button says it is; an element speaks its symbol
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

using enum CellKind;

// Row by row, left to right, as the table reads; this is also the order of
// the buttons in the window, so Tab walks the table the way it is read.
inline constexpr std::array<Cell, 118> kGrid{{
    {"H", 1000, 1, 1, Element},
    {"He", 1087, 1, 18, Element},

    {"Li", 1001, 2, 1, Element},
    {"Be", 1007, 2, 2, Element},
    {"B", 1054, 2, 13, Element},
    {"C", 1063, 2, 14, Element},
    {"N", 1069, 2, 15, Element},
    {"O", 1075, 2, 16, Element},
    {"F", 1081, 2, 17, Element},
    {"Ne", 1088, 2, 18, Element},

    {"Na", 1002, 3, 1, Element},
    {"Mg", 1008, 3, 2, Element},
    {"Al", 1055, 3, 13, Element},
    {"Si", 1064, 3, 14, Element},
    {"P", 1070, 3, 15, Element},
    {"S", 1076, 3, 16, Element},
    {"Cl", 1082, 3, 17, Element},
    {"Ar", 1089, 3, 18, Element},

    {"K", 1003, 4, 1, Element},
    {"Ca", 1011, 4, 2, Element},
    {"Sc", 1015, 4, 3, Element},
    {"Ti", 1019, 4, 4, Element},
    {"V", 1023, 4, 5, Element},
    {"Cr", 1027, 4, 6, Element},
    {"Mn", 1031, 4, 7, Element},
    {"Fe", 1034, 4, 8, Element},
    {"Co", 1038, 4, 9, Element},
    {"Ni", 1042, 4, 10, Element},
    {"Cu", 1045, 4, 11, Element},
    {"Zn", 1049, 4, 12, Element},
    {"Ga", 1057, 4, 13, Element},
    {"Ge", 1065, 4, 14, Element},
    {"As", 1071, 4, 15, Element},
    {"Se", 1077, 4, 16, Element},
    {"Br", 1083, 4, 17, Element},
    {"Kr", 1090, 4, 18, Element},

    {"Rb", 1004, 5, 1, Element},
    {"Sr", 1012, 5, 2, Element},
    {"Y", 1016, 5, 3, Element},
    {"Zr", 1020, 5, 4, Element},
    {"Nb", 1024, 5, 5, Element},
    {"Mo", 1028, 5, 6, Element},
    {"Tc", 1009, 5, 7, Element},
    {"Ru", 1035, 5, 8, Element},
    {"Rh", 1039, 5, 9, Element},
    {"Pd", 1043, 5, 10, Element},
    {"Ag", 1046, 5, 11, Element},
    {"Cd", 1050, 5, 12, Element},
    {"In", 1058, 5, 13, Element},
    {"Sn", 1066, 5, 14, Element},
    {"Sb", 1072, 5, 15, Element},
    {"Te", 1078, 5, 16, Element},
    {"I", 1084, 5, 17, Element},
    {"Xe", 1091, 5, 18, Element},

    {"Cs", 1005, 6, 1, Element},
    {"Ba", 1013, 6, 2, Element},
    {"La", 1017, 6, 3, Element},
    {"Hf", 1021, 6, 4, Element},
    {"Ta", 1025, 6, 5, Element},
    {"W", 1029, 6, 6, Element},
    {"Re", 1032, 6, 7, Element},
    {"Os", 1036, 6, 8, Element},
    {"Ir", 1040, 6, 9, Element},
    {"Pt", 1044, 6, 10, Element},
    {"Au", 1047, 6, 11, Element},
    {"Hg", 1051, 6, 12, Element},
    {"Tl", 1061, 6, 13, Element},
    {"Pb", 1067, 6, 14, Element},
    {"Bi", 1073, 6, 15, Element},
    {"Po", 1079, 6, 16, Element},
    {"At", 1085, 6, 17, Element},
    {"Rn", 1092, 6, 18, Element},

    {"Fr", 1006, 7, 1, Element},
    {"Ra", 1014, 7, 2, Element},
    {"Ac", 1018, 7, 3, Element},
    {"Rf", 1022, 7, 4, Element},
    {"Db", 1026, 7, 5, Element},
    {"Sg", 1030, 7, 6, Element},
    {"Bh", 1033, 7, 7, Element},
    {"Hs", 1037, 7, 8, Element},
    {"Mt", 1041, 7, 9, Element},
    {"", 1056, 7, 10, Unnamed, "Unnamed element, group 10"},
    {"", 1048, 7, 11, Unnamed, "Unnamed element, group 11"},
    {"", 1053, 7, 12, Unnamed, "Unnamed element, group 12"},
    {"", 1062, 7, 13, Empty, "Empty element, group 13"},
    {"", 1068, 7, 14, Unnamed, "Unnamed element, group 14"},
    {"", 1074, 7, 15, Empty, "Empty element, group 15"},
    {"", 1080, 7, 16, Unnamed, "Unnamed element, group 16"},
    {"", 1086, 7, 17, Empty, "Empty element, group 17"},
    {"", 1093, 7, 18, Unnamed, "Unnamed element, group 18"},

    {"Ce", 1094, kLanthanideRow, 5, Element},
    {"Pr", 1095, kLanthanideRow, 6, Element},
    {"Nd", 1096, kLanthanideRow, 7, Element},
    {"Pm", 1097, kLanthanideRow, 8, Element},
    {"Sm", 1098, kLanthanideRow, 9, Element},
    {"Eu", 1099, kLanthanideRow, 10, Element},
    {"Gd", 1100, kLanthanideRow, 11, Element},
    {"Tb", 1101, kLanthanideRow, 12, Element},
    {"Dy", 1102, kLanthanideRow, 13, Element},
    {"Ho", 1103, kLanthanideRow, 14, Element},
    {"Er", 1104, kLanthanideRow, 15, Element},
    {"Tm", 1105, kLanthanideRow, 16, Element},
    {"Yb", 1106, kLanthanideRow, 17, Element},
    {"Lu", 1107, kLanthanideRow, 18, Element},

    {"Th", 1108, kActinideRow, 5, Element},
    {"Pa", 1109, kActinideRow, 6, Element},
    {"U", 1110, kActinideRow, 7, Element},
    {"Np", 1111, kActinideRow, 8, Element},
    {"Pu", 1112, kActinideRow, 9, Element},
    {"Am", 1113, kActinideRow, 10, Element},
    {"Cm", 1114, kActinideRow, 11, Element},
    {"Bk", 1115, kActinideRow, 12, Element},
    {"Cf", 1116, kActinideRow, 13, Element},
    {"Es", 1117, kActinideRow, 14, Element},
    {"Fm", 1118, kActinideRow, 15, Element},
    {"Md", 1119, kActinideRow, 16, Element},
    {"No", 1120, kActinideRow, 17, Element},
    {"Lr", 1121, kActinideRow, 18, Element},
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

}  // namespace periodic
