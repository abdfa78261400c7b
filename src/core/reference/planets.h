// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <span>
#include <string>

#include "core/tool/tool.h"

// A fixed data sheet of nine planets: each planet button fills the ten
// fields with that planet's figures, as stored texts.
class Planets : public DialogTool<Planets> {
public:
    // The window's controls, in template order. A planet button's row of the
    // data sheet is its distance from kMercury.
    enum Control : int {
        kMercury = 1000,
        kVenus = 1001,
        kEarth = 1002,
        kMars = 1003,
        kJupiter = 1004,
        kSaturn = 1005,
        kUranus = 1006,
        kNeptune = 1007,
        kPluto = 1008,
        kMeanDistance = 1010,
        kRevolutionPeriod = 1011,
        kRotationPeriod = 1012,
        kOrbitalSpeed = 1013,
        kDiameter = 1014,
        kMass = 1017,
        kDensity = 1016,
        kGravity = 1018,
        kEscapeVelocity = 1019,
        kMoons = 1020,
    };
    static const DialogTemplate kTemplate;

    Planets();

    static std::span<const MessageEntry<Planets>> messageMap();

    // Every planet button; they differ only in their row of the table.
    void OnPlanet(int id);

private:
    std::string m_meanDistance;
    std::string m_revolutionPeriod;
    std::string m_rotationPeriod;
    std::string m_orbitalSpeed;
    std::string m_diameter;
    std::string m_mass;
    std::string m_density;
    std::string m_gravity;
    std::string m_escapeVelocity;
    std::string m_moons;
};
