#pragma once

#include <span>

#include "dialog/tool.h"

// Both solutions of a x^2 + b x + c = 0, unguarded: NaN and infinities are shown as they come.
class Quad : public DialogTool<Quad> {
public:
    Quad();

    static std::span<const MessageEntry<Quad>> messageMap();

    void OnFindRoots();
    void OnClearData();

    double m_a = 0;
    double m_b = 0;
    double m_c = 0;
    double m_root1 = 0;
    double m_root2 = 0;
};
