// The main window's controls, written once as a table: each control's name, kind, caption, parent group,
// design position in twips and starting state. Form2 builds itself from it; the texts that follow the unit
// system stand here too, beside the captions they replace.
#pragma once

#include <array>
#include <string_view>

class QWidget;

namespace pumpvale {

// The texts that follow the unit system.
struct UnitCaptions {
    std::string_view pressureUnit;                 // Label29 and Label31
    std::string_view flowUnit;                     // Label30
    std::string_view airPressurePreset;            // Text3
    std::array<std::string_view, 6> inletCaptions; // Label8 to Label13; the blanks line the ranges up
};

// clang-format off
inline constexpr UnitCaptions kEnglishTexts{"psi", "GPM", "90", {
    "Inlet of 1/4 inch.                (1 to 3 GPM)",
    "Inlet of 1/2 inch.                (1 to 10 GPM)",
    "Inlet of 1 inch.                    (2 to 30 GPM)",
    "Inlet of 1 1/2 inch.             (5 to 50 GPM)",
    "Inlet of 2 inch.                    (10 to 125 GPM)",
    "Inlet of 3 inch.                    (15 to 200 GPM)",
}};
inline constexpr UnitCaptions kSiTexts{"Bar", "l/min", "6.5", {
    "Inlet of 6.35mm        (1/4 in.)        (3.8 to 11.4 l/min)",
    "Inlet of 12.7mm        (1/2 in.)        (3.8 to 37.9 l/min)",
    "Inlet of 25.4mm        (1 in.)         (7.6 to 113.6 l/min)",
    "Inlet of 38.1mm      (1 1/2 in.)  (18.9 to 189.3 l/min)",
    "Inlet of 50.8mm         (2 in.)      (37.9 to 473.2 l/min)",
    "Inlet of 76.2mm         (3 in.)      (56.8 to 757.1 l/min)",
}};
// clang-format on

// Creates every control of the main window as a child of window: named, placed, in its font and its
// starting state (shown or hidden). Parents come before their children.
void buildMainWindowControls(QWidget& window);

} // namespace pumpvale
