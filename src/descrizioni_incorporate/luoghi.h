#pragma once

// The places of the built-in route, in the order in which the train meets
// them. The line description (distance boards), the train description
// (station rows) and the driver's documents all take their names from here,
// so that every file of the scenario names the same places.

#include <array>
#include <cstdint>
#include <string_view>

namespace scenario::luoghi {

// The origin's short name, as the timetable sheet and the slow-down order
// write it; the station row carries the full name below.
inline constexpr std::string_view origine_breve = "Lorvento";

struct luogo {
  std::string_view nome;  // as the station row and the documents write it
  int32_t posizione;      // metres from the origin of the line
};

inline constexpr std::array<luogo, 21> stazioni = {{
    {"Lorvento Centrale", 0},     // origin
    {"Bivio Cardeto", 2050},      // junction
    {"Bivio Fontescura", 3250},   // junction
    {"Valcandida", 5750},
    {"Castelvieri", 14250},
    {"Poggiolento", 17900},
    {"Borgo Tessaro", 21600},
    {"Casalvento", 26450},
    {"Montecrespo", 29000},
    {"Bivio Sant'Irene", 33550},  // junction
    {"Torre Salvina", 35500},
    {"Colleardo", 40700},
    {"Piana dei Mirti", 46500},
    {"Pratomagro-Lenzi", 50400},
    {"Riva Sottana", 57350},
    {"Acquafonda", 61250},
    {"San Lidano", 66750},
    {"Marazzone", 74300},
    {"Ponte Orsaro", 83100},
    {"Rivalta Nuova", 89300},
    {"Basalto", 100400},          // destination
}};

}  // namespace scenario::luoghi
