#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// Hypotenuse, missing side and the exact triple check of a right triangle.
class Pythegor : public DialogTool<Pythegor> {
public:
    Pythegor();

    static std::span<const MessageEntry<Pythegor>> messageMap();

    void OnFindHypotenuse();
    void OnFindSide();
    void OnCheckTriple();
    void OnClearData();

    double m_side1 = 0;
    double m_side2 = 0;
    double m_hypotenuse = 0;
    std::string m_message;
};
