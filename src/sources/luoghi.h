#pragma once

// The places of the built-in route, in the order in which the train meets
// them. The line description (distance boards), the train description
// (station rows) and the driver's documents all take their names from here,
// so that every file of the scenario names the same places.

#include <array>
#include <string_view>

namespace scenario::luoghi {

// The origin's short name, as the timetable sheet and the slow-down order
// write it; the station row carries the full name below.
inline constexpr std::string_view origine_breve = "Lorvento";

inline constexpr std::array<std::string_view, 21> stazioni = {
    "Lorvento Centrale",  // 1, origin
    "Bivio Cardeto",      // 2, junction
    "Bivio Fontescura",   // 3, junction
    "Valcandida",         // 4
    "Castelvieri",        // 5
    "Poggiolento",        // 6
    "Borgo Tessaro",      // 7
    "Casalvento",         // 8
    "Montecrespo",        // 9
    "Bivio Sant'Irene",   // 10, junction
    "Torre Salvina",      // 11
    "Colleardo",          // 12
    "Piana dei Mirti",    // 13
    "Pratomagro-Lenzi",   // 14
    "Riva Sottana",       // 15
    "Acquafonda",         // 16
    "San Lidano",         // 17
    "Marazzone",          // 18
    "Ponte Orsaro",       // 19
    "Rivalta Nuova",      // 20
    "Basalto",            // 21, destination
};

}  // namespace scenario::luoghi
