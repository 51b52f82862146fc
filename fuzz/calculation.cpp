// Fuzzes whole calculations: the user's actions in the main window, in any order the window allows,
// with any entry texts, through the edit checks, closing step one, the inlet options and step, the
// compressor rules and the cost calculation.
//
// An input is a list of actions, one per line. The first character names the action (any other byte
// is mapped onto one) and the rest of the line is its text: an entry text, or a choice by its leading
// number. The window is modelled only as far as it decides which actions exist: an action whose
// controls are hidden or disabled on the current screen is skipped. For example:
//
//     u0          English units          c0          currency "US Dollars"
//     s1          one stage pump         C           "Press to Continue" of step one
//     p60         pressure entry         o2          the 1-inch inlet
//     f10         flow entry             I           "Press to Continue" of the inlet step
//                                        F           "Press to Find Cost Savings!"
//
// Properties: nothing crashes or hangs; an accepted step one leaves the operating data within their
// limits; a step that stays shut says why; every amount the window would show is finite and shows as
// a number; once step one is accepted, every inlet size compared gives numbers or says why not.
#include "aodd/comparison.h"
#include "aodd/inlet_step.h"
#include "aodd/lookup.h"
#include "checks/currency.h"
#include "checks/field_checks.h"
#include "checks/operating_data.h"
#include "core/cost.h"
#include "core/operating_case.h"
#include "fuzz/check.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pumpvale::fuzz {
namespace {

// The screens the actions below lead through.
enum class Screen {
    OperatingData,      // step one open
    Inlet,              // the inlet step open
    Compressor,         // the compressor step open
    PcOnly,             // outside the AODD range: only "Press to Find Cost Savings!"
    FullResults,        // the three amounts
    PcOnlyResults,      // the PC pump cost, shown by "Press to Find Cost Savings!"
    InletPcOnlyResults, // the PC pump cost, shown by the inlet step
};

// What the main window holds apart from the core's records: its entry texts and choices.
struct Window {
    OperatingCase c;
    AnnualCosts costs;
    Screen screen = Screen::OperatingData;
    bool english = false; // the two unit options
    bool si = false;
    PumpStages stages = PumpStages::None;
    std::string pressure, flow, airPressure, price, currency;
    std::string weeks = "52", days = "7", hours = "24";
    std::string compressorStages = "1", compressorEfficiency = "75";
    std::optional<InletSize> inlet;

    UnitSystem units() const { return unitSystemOf(english, si); }
};

// The leading number of text, or else its first byte, as one of n choices.
std::size_t choice(std::string_view text, std::size_t n) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data())
        value = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    return value % n;
}

void checkMessages(const Messages& messages) {
    for (const Message& m : messages)
        check(!m.text.empty(), "every message has a text");
}

void checkWarning(const std::optional<Message>& warning) {
    check(!warning || !warning->text.empty(), "every message has a text");
}

void checkSaysWhy(const Messages& messages, const char* step) {
    check(!messages.empty(), step);
    checkMessages(messages);
}

// What an accepted step one guarantees to the steps after it.
void checkAcceptedOperatingData(const OperatingCase& c) {
    const bool twoStages = c.pcStages == PumpStages::Two;
    check(c.pcStages != PumpStages::None, "a pump stage is chosen");
    check(c.flowGpm > 0 && c.flowGpm <= 1000, "the flow is within the PC pump's range");
    check(twoStages ? c.pressurePsi >= 29 && c.pressurePsi <= 174
                    : c.pressurePsi >= 14.5 && c.pressurePsi <= 87,
          "the pressure is within the stages' range");
    check(c.weeksPerYear > 0 && c.weeksPerYear <= 52, "the weeks are within a year");
    check(c.daysPerWeek > 0 && c.daysPerWeek <= 7, "the days are within a week");
    check(c.hoursPerDay > 0 && c.hoursPerDay <= 24, "the hours are within a day");
    check(c.electricityPrice > 0 && c.electricityPrice <= 50, "the price is within its limits");
    check(c.airPressurePsi > 0 && c.airPressurePsi < 500, "the air pressure is within its limits");
    check(!c.currency.empty(), "a currency is chosen");
    check(std::isfinite(c.pcPowerHp) && c.pcPowerHp > 0, "the PC pump power is a positive number");
}

void editStepOne(Window& w, char action, const std::string& text) {
    switch (action) {
        case 'u': // the unit options, which also preset the air pressure
            w.si = choice(text, 2) == 1;
            w.english = !w.si;
            w.airPressure = w.si ? "6.5" : "90";
            break;
        case 's': // the number of stages; an even one stands for two
            w.stages = choice(text, 2) == 1 ? PumpStages::One : PumpStages::Two;
            break;
        case 'c': {
            const Currency& picked = kCurrencies[choice(text, kCurrencies.size())];
            w.currency = picked.name;
            w.price = *defaultPriceFor(picked.name);
            break;
        }
        case 'p':
            w.pressure = text;
            checkWarning(pressureEdited(w.c, text, w.units()));
            break;
        case 'f':
            w.flow = text;
            checkWarning(flowEdited(w.c, text, w.units()));
            break;
        case 'a':
            w.airPressure = text;
            break;
        case 'w':
            w.weeks = text;
            checkWarning(weeksEdited(w.c, text));
            break;
        case 'd':
            w.days = text;
            checkWarning(daysEdited(w.c, text));
            break;
        case 'h':
            w.hours = text;
            checkWarning(hoursEdited(w.c, text));
            break;
        case '$':
            w.price = text;
            break;
        default:
            break;
    }
}

void closeStepOne(Window& w) {
    const OperatingDataEntries entries{w.pressure, w.flow,  w.airPressure, w.weeks,   w.days,
                                       w.hours,    w.price, w.stages,      w.units(), w.currency};
    const OperatingDataResult result = closeOperatingDataStep(w.c, entries);
    switch (result.outcome) {
        case OperatingDataOutcome::Rejected:
            checkSaysWhy(result.messages, "a rejected step one says why");
            return;
        case OperatingDataOutcome::InletStep:
            w.screen = Screen::Inlet;
            break;
        case OperatingDataOutcome::PcCostOnly:
            w.screen = Screen::PcOnly;
            break;
    }
    checkMessages(result.messages);
    checkAcceptedOperatingData(w.c);
}

void clickInletOption(Window& w, const std::string& text) {
    constexpr InletSize kSizes[] = {InletSize::Quarter,    InletSize::Half, InletSize::One,
                                    InletSize::OneAndHalf, InletSize::Two,  InletSize::Three};
    w.inlet = kSizes[choice(text, std::size(kSizes))];
    if (w.inlet == InletSize::Three)
        checkMessages(lookupThreeInch(w.c).messages);
}

void closeInlet(Window& w) {
    const InletStepResult result = closeInletStep(w.c, w.costs, w.inlet);
    switch (result.handover) {
        case InletHandover::StayOpen:
            checkSaysWhy(result.messages, "an inlet step that stays open says why");
            return;
        case InletHandover::CompressorStep:
            check(std::isfinite(w.c.airConsumptionScfm) && std::isfinite(w.c.requiredAirPsi),
                  "the AODD operating point is a pair of numbers");
            check(w.c.requiredAirPsi <= w.c.airPressurePsi, "the system air pressure suffices");
            w.screen = Screen::Compressor;
            break;
        case InletHandover::PcCostOnly:
            checkShownAmount(w.costs.pcAnnualCost, "the PC pump cost of the inlet step is a number");
            w.screen = Screen::InletPcOnlyResults;
            break;
    }
    checkMessages(result.messages);
}

void findCosts(Window& w) {
    const CostSavingsResult result =
        findCostSavings(w.c, w.costs, w.compressorStages, w.compressorEfficiency);
    switch (result.display()) {
        case CostDisplay::Nothing:
            checkSaysWhy(result.messages, "costs that are not shown say why");
            return;
        case CostDisplay::PcCostOnly:
            checkShownAmount(w.costs.pcAnnualCost, "the PC pump cost alone is a number");
            w.screen = Screen::PcOnlyResults;
            break;
        case CostDisplay::Full:
            checkShownAmount(w.costs.pcAnnualCost, "the PC pump cost is a number");
            checkShownAmount(w.costs.aoddAnnualCost, "the AODD cost is a number");
            checkShownAmount(w.costs.totalSavings, "the savings are a number");
            w.screen = Screen::FullResults;
            break;
    }
    checkMessages(result.messages);
}

// "Go Back" of the inlet step, or of the compressor step and the results, whichever is shown.
void goBack(Window& w) {
    switch (w.screen) {
        case Screen::Inlet:
            w.screen = Screen::OperatingData;
            break;
        case Screen::Compressor:
        case Screen::FullResults:
        case Screen::PcOnly:
        case Screen::PcOnlyResults:
            if (w.c.stepStatus == StepStatus::Ok)
                w.screen = Screen::Inlet;
            if (w.c.pcCostOnly)
                w.screen = Screen::OperatingData;
            break;
        case Screen::OperatingData:
        case Screen::InletPcOnlyResults:
            break;
    }
}

void runAgain(Window& w) {
    prepareToRunAgain(w.c);
    w.screen = Screen::OperatingData;
}

bool showsResults(Screen s) {
    return s == Screen::FullResults || s == Screen::PcOnlyResults || s == Screen::InletPcOnlyResults;
}

// "Compare Inlet Sizes...", at the compressor entries as they are typed.
void compareSizes(const Window& w) {
    OperatingCase duty = w.c;
    duty.compressorStages = parseLeadingNumber(w.compressorStages);
    duty.compressorEfficiencyPct = parseLeadingNumber(w.compressorEfficiency);
    for (const InletComparisonRow& row : compareInletSizes(duty)) {
        checkMessages(row.messages);
        if (!row.demand) {
            check(!reasonOf(row).empty(), "a size that cannot serve says why");
            continue;
        }
        check(std::isfinite(row.demand->airConsumptionScfm) && std::isfinite(row.demand->requiredAirPsi),
              "a compared size's air demand is a pair of numbers");
        if (row.costs) {
            checkShownAmount(row.costs->aoddAnnualCost, "a compared size's AODD cost is a number");
            checkShownAmount(row.costs->totalSavings, "a compared size's savings are a number");
        } else {
            check(row.costMessage.has_value(), "a compared size without a cost says why");
        }
    }
}

void act(Window& w, char action, const std::string& text) {
    switch (action) {
        case 'C':
            if (w.screen == Screen::OperatingData)
                closeStepOne(w);
            break;
        case 'o':
            if (w.screen == Screen::Inlet)
                clickInletOption(w, text);
            break;
        case 'I':
            if (w.screen == Screen::Inlet)
                closeInlet(w);
            break;
        case 'k':
            if (w.screen == Screen::Compressor) {
                w.compressorStages = text;
                checkWarning(compressorStagesEdited(w.c, text));
            }
            break;
        case 'e':
            if (w.screen == Screen::Compressor) {
                w.compressorEfficiency = text;
                checkWarning(compressorEfficiencyEdited(w.c, text));
            }
            break;
        case 'F':
            if (w.screen == Screen::Compressor || w.screen == Screen::PcOnly)
                findCosts(w);
            break;
        case 'b':
            goBack(w);
            break;
        case 'r':
            if (showsResults(w.screen))
                runAgain(w);
            break;
        default:
            if (w.screen == Screen::OperatingData)
                editStepOne(w, action, text);
            break;
    }
}

constexpr std::string_view kActions = "uscpfawdh$CoIkeFbr";

char actionOf(char first) {
    if (kActions.find(first) != std::string_view::npos)
        return first;
    return kActions[static_cast<unsigned char>(first) % kActions.size()];
}

} // namespace
} // namespace pumpvale::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pumpvale::fuzz;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    Window window;
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (!line.empty())
            act(window, actionOf(line[0]), std::string(line.substr(1)));
        if (window.screen != Screen::OperatingData)
            compareSizes(window);
    }
    return 0;
}
