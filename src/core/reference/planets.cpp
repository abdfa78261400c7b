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
    {kMoons, K::Edit, "", 294, 122, 40, 12, style::kOutputField, "Known satellites (moons)"},
    {kNoId, K::GroupBox, "NOTES:", 7, 146, 335, 39, 0},
    {kNoId, K::Label, "1.  Venus and Uranus rotate opposite their orbital motion.", 13, 160, 320, 8, 0},
    {kNoId, K::Label, "2.  Gravitational acceleration (g) measured at the planet's equator.", 13, 170, 320, 8,
     0},
});

// The figures as the sheet stores them, in the fields' exchange order: mean
// distance, revolution, rotation, orbital speed, diameter, mass, density,
// gravity, escape velocity, moons. They are texts, never numbers: the
// thousands commas and "16 + ring" are shown as they are.
using PlanetRow = std::array<const char*, 10>;

constexpr std::array<PlanetRow, 9> kPlanetTable{{
    {"57.9", "0.241", "58.7", "47.9", "4880", "0.0558", "5.60", "3.78", "4.3", "None"},           // Mercury
    {"108", "0.615", "-243", "35.0", "12,100", "0.815", "5.20", "8.60", "10.3", "None"},          // Venus
    {"150", "1.00", "0.997", "29.8", "12,800", "1.000", "5.52", "9.78", "11.2", "1"},             // Earth
    {"228", "1.88", "1.03", "24.1", "6790", "0.107", "3.95", "3.72", "5.0", "2"},                 // Mars
    {"778", "11.9", "0.409", "13.1", "143,000", "318", "1.31", "22.9", "59.5", "16 + ring"},      // Jupiter
    {"1430", "29.5", "0.426", "9.64", "120,000", "95.1", "0.704", "9.05", "35.6", "18 + rings"},  // Saturn
    {"2870", "84.0", "-0.451", "6.81", "51,800", "14.5", "1.21", "7.77", "21.2", "15 + rings"},   // Uranus
    {"4500", "165", "0.658", "5.43", "49,500", "17.2", "1.67", "11.0", "23.6", "8 + rings"},      // Neptune
    {"5900", "248", "6.39", "4.74", "2300", "0.002", "2.03", "0.5", "1.1", "1"},                  // Pluto
}};

constexpr std::array kMessageMap{
    MessageEntry<Planets>{kMercury, kPluto, &Planets::OnPlanet},
};

}  // namespace

const DialogTemplate Planets::kTemplate{153, "Some Planets' Properties", 349,
                                        193, DialogStyle::Tool,          kControls};

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
