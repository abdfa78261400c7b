#pragma once

#include <span>

#include "dialog/tool.h"

// Sheet-metal bend allowance with the intermediate neutral-axis figures.
class Bend : public DialogTool<Bend> {
public:
    Bend();

    static std::span<const MessageEntry<Bend>> messageMap();

    void OnCalculate();
    void OnClearData();

    double m_radius = 0;
    double m_thickness = 0;
    double m_angle = 0;
    double m_bendAllowance = 0;
    double m_neutralAxis = 0;
    double m_rightAngleBend = 0;
    double m_perDegree = 0;
};
