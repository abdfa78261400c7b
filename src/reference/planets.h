#pragma once

#include <span>
#include <string>

#include "dialog/tool.h"

// A fixed data sheet of nine planets: each planet button fills the ten
// fields with that planet's figures, as stored texts.
class Planets : public DialogTool<Planets> {
public:
    static constexpr int kFirstPlanet = 1000;  // "Mercury"
    static constexpr int kLastPlanet = 1008;   // "Pluto"

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
