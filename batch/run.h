// pumpvale-batch's streaming path: a duty list in, the costed list out, one row at a time.
//
// Each row is costed by cases::runAsTheWindow, as the main window would cost it. The output holds every
// input column as read, then kResultColumns (and, with every inlet, kInletColumns for each size); an
// input column named as one of these is written as input_NAME. The run stops at the first write the
// output refuses, for the caller to say why.
#pragma once

#include "cases/duty_list.h"
#include "cases/plant_totals.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace pumpvale::batch {

inline constexpr std::array<std::string_view, 8> kResultColumns{
    "status",         "messages",      "message_ids",          "aodd_annual_cost",
    "pc_annual_cost", "total_savings", "air_consumption_scfm", "required_air_pressure"};
// After "inlet_<size>_" (the size as the inlet cell writes it, a blank as "_").
inline constexpr std::array<std::string_view, 4> kInletColumns{"verdict", "remark", "aodd_annual_cost",
                                                               "total_savings"};

struct BatchOptions {
    bool allInlets = false;
    bool totals =
        false; // the plant's totals per currency (cases/plant_totals.h), as the plant list adds them
};

struct BatchSummary {
    std::size_t costed = 0; // PC pump alone included
    std::size_t refused = 0;
    std::optional<cases::FileError> fileError; // nothing past it could be read
    cases::PlantTotals totals;                 // with BatchOptions::totals
};

// Reads the duty list in and writes the costed list to out. Each row the reader refuses is named on
// errors as "inputName:LINE: reason", as compilers name a fault; so is a fault of the whole file.
BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& errors, std::string_view inputName,
                      const BatchOptions& options = {});

// 0 when every row was costed (the PC pump alone counts), 1 when some row was refused, 2 when the input
// could not be read.
int exitStatus(const BatchSummary& summary);

} // namespace pumpvale::batch
