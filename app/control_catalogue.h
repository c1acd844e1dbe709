// Korvalin dial tester - every control of the main window as data, in the
// order in which the window creates them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"

namespace kvl {

enum class ControlKind { Label, Button, Toggle, TrackBar, ImageView, List, ScrollArea };

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    Rect rect;
    std::string text;
    std::optional<Rgb> front;
    std::optional<Rgb> back;
    std::string toolTip;
    int picture = -1;  // image views
    int parent = 0;    // image views inside a scroll area
    int minimum = 0;   // track bars
    int maximum = 0;
    int value = 0;
    int innerWidth = 0;  // scroll areas
    int innerHeight = 0;
    int scrollStep = 0;
    std::vector<std::pair<std::string, int>> columns;  // lists: title, width
    bool visible = true;
    bool enabled = true;
};

extern const char *const mainWindowTitle;
constexpr int mainWindowWidth = 1280;
constexpr int mainWindowHeight = 460;

const std::vector<ControlSpec> &mainWindowCatalogue();

}  // namespace kvl
