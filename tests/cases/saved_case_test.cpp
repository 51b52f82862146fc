// A case saved and opened again, through the session: the same state, messages, amounts and entries,
// for generated cases in both unit systems, every inlet, PC-only, and blank and refused entries, with
// and without Savings Over Time entries and carried columns.
#include "cases/calculator_rules.h"
#include "cases/csv_writer.h"
#include "cases/duty_list.h"
#include "tests/near.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace pumpvale::cases {
namespace {

Case readBack(const std::string& text) {
    std::istringstream in(text);
    DutyListReader reader(in);
    EXPECT_FALSE(reader.start());
    DutyRow row;
    EXPECT_TRUE(reader.next(row));
    EXPECT_TRUE(row.point) << row.refusal;
    return reader.caseOf(row);
}

struct Variant {
    const char* name;
    std::function<void(Case&)> change;
    bool textsKept; // every entry text comes back as typed
};

// clang-format off
const Variant kVariants[] = {
    {"Plain",                [](Case&) {},                                                    true},
    {"BlankEfficiency",      [](Case& c) { c.entries.compressorEfficiency = ""; },           false},
    {"BlankStages",          [](Case& c) { c.entries.compressorStages = "  "; },             false},
    {"RefusedEfficiency",    [](Case& c) { c.entries.compressorEfficiency = "100"; },        true},
    {"OverflowingStages",    [](Case& c) { c.entries.compressorStages = "1e999"; },          true},
    {"NotANumber",           [](Case& c) { c.entries.compressorEfficiency = "nan"; },        false},
    {"WithUnit",             [](Case& c) { c.entries.pressure += " psi"; },                  false},
    {"BlankPressure",        [](Case& c) { c.entries.pressure = ""; },                       true},
    {"BlankPrice",           [](Case& c) { c.entries.price = ""; },                          false},
    {"FlowPastTheAoddPumps", [](Case& c) { c.entries.flow = "260"; },                        true},
    {"NoInlet",              [](Case& c) { c.entries.inlet.reset(); },                       true},
    {"LifeCycleAndTag",      [](Case& c) { c.lifeCycle = {"2500", "abc", "120", "0", "7", "5", "2.5", "0.25"};
                                           c.carried = {{"tag", "P-7, \"east\""}, {"location", "Tank 3"}}; }, true},
};
// clang-format on

Case base(UnitSystem units, std::optional<InletSize> inlet) {
    Case c;
    const bool si = units == UnitSystem::SI;
    c.entries = {units,
                 PumpStages::One,
                 si ? "4" : "60",
                 si ? "40" : "10",
                 si ? "6.5" : "90",
                 "52",
                 "7",
                 "24",
                 si ? "Euro" : "US Dollars",
                 si ? "0.2" : "0.065",
                 inlet};
    return c;
}

TEST(SavedCase, OpensAgainAsItWasSaved) {
    int cases = 0;
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        for (const std::optional<InletSize> inlet :
             {std::optional<InletSize>(), std::optional(InletSize::Quarter), std::optional(InletSize::Half),
              std::optional(InletSize::One), std::optional(InletSize::OneAndHalf),
              std::optional(InletSize::Two), std::optional(InletSize::Three)}) {
            for (const Variant& variant : kVariants) {
                Case typed = base(units, inlet);
                variant.change(typed);
                Session first(calculatorRules());
                const Messages shown = first.open(typed);
                const std::string saved = savedCase(first.currentCase());
                Session again(calculatorRules());
                const Messages shownAgain = again.open(readBack(saved));
                SCOPED_TRACE(std::string(variant.name) + " " + saved);
                EXPECT_EQ(shownAgain, shown);
                EXPECT_EQ(again.state(), first.state());
                EXPECT_EQ(again.costs().pcAnnualCost, first.costs().pcAnnualCost);
                EXPECT_EQ(again.costs().aoddAnnualCost, first.costs().aoddAnnualCost);
                EXPECT_EQ(again.currentCase().lifeCycle, typed.lifeCycle);
                EXPECT_EQ(again.currentCase().carried, typed.carried);
                if (variant.textsKept) {
                    EXPECT_EQ(again.entries(), typed.entries);
                }
                EXPECT_EQ(savedCase(again.currentCase()), saved); // saving again changes nothing
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 2 * 7 * static_cast<int>(std::size(kVariants)));
}

// A case opened over another takes nothing from it: its own Savings Over Time entries or the defaults.
TEST(SavedCase, OpeningReplacesTheWholeCase) {
    Session session(calculatorRules());
    Case first = base(UnitSystem::English, InletSize::One);
    first.lifeCycle.pcPrice = "2500";
    first.carried = {{"tag", "P-101"}};
    session.open(first);
    ASSERT_EQ(session.state().result, ResultShown::Full);
    session.open(base(UnitSystem::SI, InletSize::Three));
    EXPECT_EQ(session.currentCase().lifeCycle, LifeCycleEntries{});
    EXPECT_TRUE(session.currentCase().carried.empty());
    EXPECT_EQ(session.entries().units, UnitSystem::SI);
}

} // namespace
} // namespace pumpvale::cases
