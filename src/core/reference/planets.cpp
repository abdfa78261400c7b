// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#include "core/reference/planets.h"

#include <array>

namespace {

using enum Planets::Control;
using K = ControlKind;

constexpr auto kControls = std::to_array<ControlTemplate>({
    {kNoId, K::GroupBox, "Choose a planet...", 7, 7, 335, 35, 0},
    {kMercury, K::PushButton, "Mercury", 14, 20, 34, 14, style::kButton, "Mercury"},
    {kVenus, K::PushButton, "Venus", 50, 20, 34, 14, style::kButton, "Venus"},
    {kEarth, K::PushButton, "Earth", 86, 20, 34, 14, style::kButton, "Earth"},
    {kMars, K::PushButton, "Mars", 122, 20, 34, 14, style::kButton, "Mars"},
    {kJupiter, K::PushButton, "Jupiter", 158, 20, 34, 14, style::kButton, "Jupiter"},
    {kSaturn, K::PushButton, "Saturn", 194, 20, 34, 14, style::kButton, "Saturn"},
    {kUranus, K::PushButton, "Uranus", 230, 20, 34, 14, style::kButton, "Uranus"},
    {kNeptune, K::PushButton, "Neptune", 266, 20, 34, 14, style::kButton, "Neptune"},
    {kPluto, K::PushButton, "Pluto", 302, 20, 34, 14, style::kButton, "Pluto"},
    {kNoId, K::GroupBox, "Planet's Stats...", 7, 45, 335, 98, 0},
    // The figures can be typed over but are no stop on the way through with Tab.
    {kNoId, K::Label, "Mean distance from Sun, 10^6 km:", 14, 60, 115, 8, 0},
    {kMeanDistance, K::Edit, "", 132, 58, 40, 12, style::kOutputField, "Mean distance from Sun, 10^6 km"},
    {kNoId, K::Label, "Period of revolution, years:", 14, 75, 115, 8, 0},
    {kRevolutionPeriod, K::Edit, "", 132, 73, 40, 12, style::kOutputField, "Period of revolution, years"},
    {kNoId, K::Label, "Period of rotation, days:", 14, 91, 115, 8, 0},
    {kRotationPeriod, K::Edit, "", 132, 89, 40, 12, style::kOutputField, "Period of rotation, days"},
    {kNoId, K::Label, "Orbital speed, km/s:", 14, 107, 115, 8, 0},
    {kOrbitalSpeed, K::Edit, "", 132, 105, 40, 12, style::kOutputField, "Orbital speed, km/s"},
    {kNoId, K::Label, "Equatorial diameter, km:", 14, 124, 115, 8, 0},
    {kDiameter, K::Edit, "", 132, 122, 40, 12, style::kOutputField, "Equatorial diameter, km"},
    {kNoId, K::Label, "Mass (Earth=1):", 184, 60, 106, 8, 0},
    {kMass, K::Edit, "", 294, 58, 40, 12, style::kOutputField, "Mass (Earth=1)"},
    {kNoId, K::Label, "Density (Water=1):", 184, 75, 106, 8, 0},
    {kDensity, K::Edit, "", 294, 73, 40, 12, style::kOutputField, "Density (Water=1)"},
    {kNoId, K::Label, "Acceleration (g):", 184, 91, 106, 8, 0},
    {kGravity, K::Edit, "", 294, 89, 40, 12, style::kOutputField, "Acceleration (g)"},
    {kNoId, K::Label, "Escape velocity, km/s:", 184, 107, 106, 8, 0},
    {kEscapeVelocity, K::Edit, "", 294, 105, 40, 12, style::kOutputField, "Escape velocity, km/s"},
    {kNoId, K::Label, "Known satellites (moons):", 184, 124, 106, 8, 0},
    {kMoons, K::Edit, "", 294, 122, 40, 12, style::kOutputField, "Known satellites (moons)",
     "IAU Minor Planet Center count of 11 March 2025"},
    {kNoId, K::GroupBox, "NOTES:", 7, 146, 335, 39, 0},
    // Three lines where there were two: each a line height below the last.
    {kNoId, K::Label, "1.  Venus, Uranus and Pluto rotate opposite their orbital motion.", 13, 156, 320, 8,
     0},
    {kNoId, K::Label, "2.  Gravitational acceleration (g) measured at the planet's equator.", 13, 165, 320, 8,
     0},
    {kNoId, K::Label, "3.  Moons as counted by the IAU Minor Planet Center, 11 March 2025.", 13, 174, 320, 8,
     0},
});

// The figures as the sheet stores them, in the fields' exchange order: mean
// distance, revolution, rotation, orbital speed, diameter, mass, density,
// gravity, escape velocity, moons. They are texts, never numbers: the
// thousands commas, the minus signs and "95 + rings" are shown as they are.
//
// Sources, rounded to the sheet's three figures (one decimal for escape
// velocity): NASA NSSDCA Planetary Fact Sheet, 2024 edition, and the planets'
// own fact sheets where the summary table gives fewer figures.
// - distance: semimajor axis, 10^6 km; revolution: orbital period in days
//   over a year of 365.25 days;
// - rotation: sidereal rotation in hours over 24, negative when retrograde
//   (Venus, Uranus, Pluto); Mercury's 1407.6 h is 58.65 d, and 58.6462 d
//   (JPL) settles the rounding;
// - speed: mean orbital velocity, Saturn's from its own sheet; for Uranus,
//   Neptune and Pluto the summary table's 6.8, 5.4 and 4.7 km/s bear out the
//   three figures the sheet had; diameter: equatorial, km;
// - mass: over Earth's 5.9722e24 kg; density: kg/m^3 over water's 1000;
// - gravity: acceleration at the equator, rotation included, at the 1 bar
//   level on the giants (the planets' sheets); Pluto's gravity and escape
//   velocity come from its own sheet, as the summary table's 0.7 m/s^2 and
//   1.3 km/s do not agree with its mass and its 2376 km diameter;
// - moons: the IAU Minor Planet Center's counts as of 11 March 2025, the day
//   it added 128 moons of Saturn, making 274; Uranus 28 and Neptune 16 since
//   its announcement of 23 February 2024; Jupiter 95; Pluto 5.
using PlanetRow = std::array<const char*, 10>;

constexpr std::array<PlanetRow, 9> kPlanetTable{{
    {"57.9", "0.241", "58.6", "47.4", "4880", "0.0553", "5.43", "3.70", "4.3", "None"},            // Mercury
    {"108", "0.615", "-243", "35.0", "12,100", "0.815", "5.24", "8.87", "10.4", "None"},           // Venus
    {"150", "1.00", "0.997", "29.8", "12,800", "1.000", "5.51", "9.78", "11.2", "1"},              // Earth
    {"228", "1.88", "1.03", "24.1", "6790", "0.107", "3.93", "3.69", "5.0", "2"},                  // Mars
    {"778", "11.9", "0.414", "13.1", "143,000", "318", "1.33", "23.1", "59.5", "95 + rings"},      // Jupiter
    {"1430", "29.4", "0.444", "9.67", "121,000", "95.2", "0.687", "8.96", "35.5", "274 + rings"},  // Saturn
    {"2870", "83.7", "-0.718", "6.81", "51,100", "14.5", "1.27", "8.69", "21.3", "28 + rings"},    // Uranus
    {"4520", "164", "0.671", "5.43", "49,500", "17.1", "1.64", "11.0", "23.5", "16 + rings"},      // Neptune
    {"5910", "248", "-6.39", "4.74", "2380", "0.00218", "1.85", "0.62", "1.2", "5"},               // Pluto
}};

constexpr std::array kMessageMap{
    MessageEntry<Planets>{kMercury, kPluto, &Planets::OnPlanet},
};

}  // namespace

const DialogTemplate Planets::kTemplate{
    153, "Some Planets' Properties", 349, 193, DialogStyle::Tool, kControls, nullptr, nullptr, true};

Planets::Planets() {
    bind(kMeanDistance, m_meanDistance);
    bind(kRevolutionPeriod, m_revolutionPeriod);
    bind(kRotationPeriod, m_rotationPeriod);
    bind(kOrbitalSpeed, m_orbitalSpeed);
    bind(kDiameter, m_diameter);
    bind(kMass, m_mass);
    bind(kDensity, m_density);
    bind(kGravity, m_gravity);
    bind(kEscapeVelocity, m_escapeVelocity);
    bind(kMoons, m_moons);
}

std::span<const MessageEntry<Planets>> Planets::messageMap() {
    return kMessageMap;
}

void Planets::OnPlanet(int id) {
    const PlanetRow& row = kPlanetTable.at(static_cast<std::size_t>(id - kMercury));
    readAllFields();
    m_meanDistance = row[0];
    m_revolutionPeriod = row[1];
    m_rotationPeriod = row[2];
    m_orbitalSpeed = row[3];
    m_diameter = row[4];
    m_mass = row[5];
    m_density = row[6];
    m_gravity = row[7];
    m_escapeVelocity = row[8];
    m_moons = row[9];
    writeAllFields();
}
