// A case as the user gave it: the main window's entries as typed, its choices, the Savings Over Time
// entries and the columns a duty list carried with it (a tag, a location). Plain data; the session
// (core/session.h) owns one, a duty list row reads into one, Save writes one.
#pragma once

#include "core/life_cycle_entries.h"
#include "core/operating_case.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pumpvale {

// The entries and choices of the main window, as texts the window holds. The defaults are the texts a
// window just opened holds.
struct CaseEntries {
    UnitSystem units = UnitSystem::None;
    PumpStages stages = PumpStages::None;
    std::string pressure;    // Text1, in the case's units: psi or Bar
    std::string flow;        // Text2, US GPM or l/min
    std::string airPressure; // Text3, psi or Bar
    std::string weeks = "52";
    std::string days = "7";
    std::string hours = "24";
    std::string currency; // a name of the currency list, or empty: none chosen
    std::string price;    // Text9, per kWh
    std::optional<InletSize> inlet;
    std::string compressorStages = "1";      // Text4
    std::string compressorEfficiency = "75"; // Text5, percent

    friend bool operator==(const CaseEntries&, const CaseEntries&) = default;
};

// The entries that take typed text, in the window's tab order.
enum class EntryField {
    Pressure,             // Text1
    Flow,                 // Text2
    AirPressure,          // Text3
    CompressorStages,     // Text4
    CompressorEfficiency, // Text5
    Weeks,                // Text6
    Days,                 // Text7
    Hours,                // Text8
    Price,                // Text9
};

std::string& entryText(CaseEntries& entries, EntryField field);
const std::string& entryText(const CaseEntries& entries, EntryField field);

// Other columns of the duty list the case came from, by header name and cell, in the file's order.
using CarriedCells = std::vector<std::pair<std::string, std::string>>;

struct Case {
    CaseEntries entries;
    LifeCycleEntries lifeCycle;
    CarriedCells carried;

    friend bool operator==(const Case&, const Case&) = default;
};

} // namespace pumpvale
