// Korvalin dial tester - the table of known dials.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace kvl {

struct DialColumn {
    std::string_view title;
    int width = 0;
};

// The seven columns of dialTable, left to right. buildMainWindow creates them
// from this list, so the window and the printed table share one source.
inline constexpr std::array<DialColumn, 7> dialColumns{{
    {"Fernsprechapparat/Nummernschalter", 300},
    {"Hersteller", 200},
    {"nsi", 50},
    {"nsr", 50},
    {"nsa", 50},
    {"RTS", 100},
    {"Bemerkungen und Besonderheiten", 430},
}};

constexpr int dialRowLast = 7;

// One text per row: the cells in column order joined by line breaks. Row 0 is
// empty and shows as a blank first line.
inline constexpr std::array<std::string_view, dialRowLast + 1> dialRows{{
    "",
    "W48/W49\n\nge\n-\nws\nbr+gn\n",
    "W58/W61/W62/W63a\nFWN\nws\n-\ngn\nbr\n",
    "T65s\nTesla\nge\n-\nws\ngn\nbr frei lassen",
    "Variant\nFWN\nbr\n-\ngn\nws\nNS hat keinen nsr",
    "W38\n\nge\n-\nws\nbr+gn\n",
    "W28\n\nge\n-\nws\ngn\n",
    "ZB/SA19\n\ngn\n-\nbl\nrt\n",
}};

// The cells of one row text, always one per column (missing cells are empty).
std::vector<std::string> splitDialRow(std::string_view rowText);

// Adds the eight rows of known dials to dialTable, whose columns exist already.
void fillDialTable(Controls &controls);

}  // namespace kvl
