#include "reference/planets.h"

#include <array>

namespace {

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
    MessageEntry<Planets>{Planets::kFirstPlanet, Planets::kLastPlanet, &Planets::OnPlanet},
};

}  // namespace

Planets::Planets() {
    bind(1010, m_meanDistance);
    bind(1011, m_revolutionPeriod);
    bind(1012, m_rotationPeriod);
    bind(1013, m_orbitalSpeed);
    bind(1014, m_diameter);
    bind(1017, m_mass);
    bind(1016, m_density);
    bind(1018, m_gravity);
    bind(1019, m_escapeVelocity);
    bind(1020, m_moons);
}

std::span<const MessageEntry<Planets>> Planets::messageMap() {
    return kMessageMap;
}

void Planets::OnPlanet(int id) {
    const PlanetRow& row = kPlanetTable.at(static_cast<std::size_t>(id - kFirstPlanet));
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
