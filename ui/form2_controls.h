// The main window's controls, written once as a table: each control's name, kind, caption, parent group,
// design position in twips and starting state. Form2 builds itself from it and keeps the controls that
// code reaches, typed, in MainWindowControls. The texts that follow the unit system stand here too,
// beside the captions they replace.
#pragma once

#include <array>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
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

// The main window's controls that code reaches, by their names in the table: Form2's handlers and the
// parts that work on the window (accessibility, results, comparison) take them from here. Filled once,
// when the window is built; every pointer is set.
struct MainWindowControls {
    // Step one.
    QRadioButton* Option9 = nullptr;  // English units, captioned by Label4
    QRadioButton* Option10 = nullptr; // S.I. units, Label5
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* Frame1 = nullptr; // "Pressure and Flow Rate"
    QLineEdit* Text1 = nullptr;  // fluid pressure, captioned by Label1
    QLineEdit* Text2 = nullptr;  // flow, Label2
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label29 = nullptr;       // pressure unit
    QLabel* Label30 = nullptr;       // flow unit
    QGroupBox* Frame2 = nullptr;     // "Progressive Cavity Pump Stages"
    QRadioButton* Option7 = nullptr; // one stage, Label25
    QRadioButton* Option8 = nullptr; // two stages, Label26
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QGroupBox* Frame4 = nullptr; // "System Air Pressure"
    QLineEdit* Text3 = nullptr;  // system air pressure, Label3
    QLabel* Label3 = nullptr;
    QLabel* Label31 = nullptr;   // its unit
    QGroupBox* Frame7 = nullptr; // "Operating Time and Cost of Electricity"
    QLineEdit* Text6 = nullptr;  // weeks per year, Label18
    QLineEdit* Text7 = nullptr;  // days per week, Label19
    QLineEdit* Text8 = nullptr;  // hours per day, Label20
    QLabel* Label18 = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label20 = nullptr;
    QComboBox* Combo1 = nullptr; // currency, Label21
    QLabel* Label21 = nullptr;
    QLineEdit* Text9 = nullptr; // price of electricity per kWh, Label28
    QLabel* Label28 = nullptr;
    QPushButton* Command2 = nullptr; // "Press to Continue" of step one
    QPushButton* Command6 = nullptr; // "Press To Exit"
    // Step two.
    QGroupBox* Frame5 = nullptr;     // "Air Operated Double Diaphram Pump Inlet Size"
    QRadioButton* Option1 = nullptr; // 1/4 inch, captioned by Label8
    QRadioButton* Option2 = nullptr; // 1/2 inch, Label9
    QRadioButton* Option3 = nullptr; // 1 inch, Label10
    QRadioButton* Option4 = nullptr; // 1 1/2 inch, Label11
    QRadioButton* Option5 = nullptr; // 2 inch, Label12
    QRadioButton* Option6 = nullptr; // 3 inch, Label13
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QPushButton* Command3 = nullptr; // "Press to Continue" of step two
    QPushButton* Command1 = nullptr; // "Go Back" of step two
    // Step three and the results.
    QGroupBox* Frame6 = nullptr; // "Compressor Efficiency"
    QLineEdit* Text4 = nullptr;  // compressor stages, Label16
    QLineEdit* Text5 = nullptr;  // compressor efficiency, percent, Label17
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QPushButton* Command4 = nullptr; // "Press to Find Cost Savings!"
    QPushButton* Command7 = nullptr; // "Go Back" of step three and the results
    QGroupBox* Frame8 = nullptr;     // "Annual Cost Savings"
    QLabel* Label23 = nullptr;       // "AODD Cost:"
    QLineEdit* Text11 = nullptr;     // AODD annual cost
    QLabel* Label32 = nullptr;       // its currency
    QLabel* Label22 = nullptr;       // "durvane Cost:"
    QLineEdit* Text10 = nullptr;     // durvane (PC pump) annual cost
    QLabel* Label33 = nullptr;       // its currency
    QLabel* Label24 = nullptr;       // "TOTAL SAVINGS:"
    QLineEdit* Text12 = nullptr;     // total savings
    QLabel* Label34 = nullptr;       // its currency
    QPushButton* Command5 = nullptr; // "Press to Run Again"
    QLabel* Image1 = nullptr;        // the maker's logo

    std::array<QRadioButton*, 6> inletOptions() const {
        return {Option1, Option2, Option3, Option4, Option5, Option6};
    }
    std::array<QLabel*, 6> inletCaptions() const {
        return {Label8, Label9, Label10, Label11, Label12, Label13};
    }
};

// Creates every control of the main window as a child of window: named, placed, in its font and its
// starting state (shown or hidden), parents before their children; returns those that code reaches.
MainWindowControls buildMainWindowControls(QWidget& window);

} // namespace pumpvale
