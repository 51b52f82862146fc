// A duty list row costed two ways: by the core's run of the window's steps (what pumpvale-batch and
// Open Case use) and by the real main window, its entries filled and its buttons pressed in the order
// cases/window_run.h gives. Every message, the screen reached, the record and the amounts agree.
#include "cases/csv_writer.h"
#include "cases/duty_list.h"
#include "cases/window_run.h"
#include "core/cost.h"
#include "test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <cmath>
#include <sstream>

namespace pumpvale::testing {
namespace {

using cases::DutyPoint;
using cases::RunStatus;
using cases::RunStop;
using cases::WindowRun;

const std::string kHeader =
    "units,pc_stages,pressure,flow,air_pressure,weeks,days,hours,currency,price,inlet,"
    "compressor_stages,compressor_efficiency\n";

// The same computation on both sides; a relative 1e-9 allows for nothing but the last binary places.
bool near(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-9 * std::fabs(b);
}

DutyPoint pointOf(const std::string& row) {
    std::istringstream in(kHeader + row + "\n");
    cases::DutyListReader reader(in);
    EXPECT_FALSE(reader.start());
    cases::DutyRow read;
    EXPECT_TRUE(reader.next(read));
    EXPECT_TRUE(read.point) << read.refusal;
    return read.point.value_or(DutyPoint{});
}

void setEntry(MainWindowDriver& ui, const char* name, const std::string& text) {
    ui.control<QLineEdit>(name)->setText(QString::fromStdString(text));
}

bool open(MainWindowDriver& ui, const char* name) {
    QWidget* control = ui.control(name);
    return control->isVisibleTo(&ui.window()) && control->isEnabled();
}

// The order of cases/window_run.h, through the window's own controls.
void pressThrough(MainWindowDriver& ui, const DutyPoint& p) {
    ui.click(p.units == UnitSystem::SI ? "Option10" : "Option9");
    if (p.stages != PumpStages::None)
        ui.click(p.stages == PumpStages::One ? "Option7" : "Option8");
    setEntry(ui, "Text1", p.pressure);
    setEntry(ui, "Text2", p.flow);
    setEntry(ui, "Text3", p.airPressure);
    setEntry(ui, "Text6", p.weeks);
    setEntry(ui, "Text7", p.days);
    setEntry(ui, "Text8", p.hours);
    if (!p.currency.empty())
        ui.chooseCurrency(QString::fromStdString(p.currency));
    setEntry(ui, "Text9", p.price);
    ui.click("Command2");
    if (open(ui, "Command3")) {
        constexpr const char* kOptions[] = {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"};
        if (p.inlet)
            ui.click(kOptions[static_cast<std::size_t>(*p.inlet)]);
        ui.click("Command3");
        if (!open(ui, "Text4"))
            return;
        setEntry(ui, "Text4", p.compressorStages);
        setEntry(ui, "Text5", p.compressorEfficiency);
    }
    if (open(ui, "Command4"))
        ui.click("Command4");
}

ScreenState screenOf(const WindowRun& run) {
    using enum ScreenState;
    switch (run.stop) {
        case RunStop::OperatingDataStep:
            return OperatingDataStep;
        case RunStop::InletStep:
            return InletStep;
        case RunStop::CostButton:
            return CompressorStep;
        case RunStop::Results:
            break;
    }
    if (run.status == RunStatus::Costed)
        return FullResults;
    return run.record.pcCostOnly ? PcOnlyResults : InletPcOnlyResults;
}

// Every number of the record, by name.
// clang-format off
const std::pair<const char*, double OperatingCase::*> kRecordFigures[] = {
    {"pressurePsi", &OperatingCase::pressurePsi},             {"flowGpm", &OperatingCase::flowGpm},
    {"airPressurePsi", &OperatingCase::airPressurePsi},       {"weeksPerYear", &OperatingCase::weeksPerYear},
    {"daysPerWeek", &OperatingCase::daysPerWeek},             {"hoursPerDay", &OperatingCase::hoursPerDay},
    {"electricityPrice", &OperatingCase::electricityPrice},   {"pcEfficiency", &OperatingCase::pcEfficiency},
    {"pcPowerHp", &OperatingCase::pcPowerHp},                 {"airConsumptionScfm", &OperatingCase::airConsumptionScfm},
    {"requiredAirPsi", &OperatingCase::requiredAirPsi},       {"compressorStages", &OperatingCase::compressorStages},
    {"compressorEfficiencyPct", &OperatingCase::compressorEfficiencyPct},
    {"compressionRatio", &OperatingCase::compressionRatio},   {"stageExponent", &OperatingCase::stageExponent},
    {"idealCompressorHp", &OperatingCase::idealCompressorHp}, {"scfmPerInputHp", &OperatingCase::scfmPerInputHp},
};
// clang-format on

struct RowCase {
    const char* name;
    std::string row;
    RunStatus status;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

// clang-format off
const RowCase kRows[] = {
    {"WorkedExample",             "English,1,60,10,90,52,7,24,US Dollars,,1,,",                  RunStatus::Costed},
    {"WorkedExampleInSi",         "SI,1,4.1368542,37.85412,6.2,52,7,24,Euro,,1,,",               RunStatus::Costed},
    {"TwoStagesThreeInch",        "English,2,95,60,120,52,7,24,US Dollars,0.072,3,2,80",          RunStatus::Costed},
    {"HalfInchPartTime",          "English,1,25,4,90,52,5,16,British Pounds,,1/2,,",              RunStatus::Costed},
    {"FlowAboveTheAoddData",      "English,1,30,250,90,52,7,24,US Dollars,,,,",                   RunStatus::PcOnly},
    {"PressureBelowTheAoddData",  "English,1,15,10,90,52,7,24,US Dollars,,1,,",                   RunStatus::PcOnly},
    {"ThreeInchShortOfAir",       "English,1,50,60,50,52,7,24,US Dollars,,3,,",                   RunStatus::PcOnly},
    {"QuarterInchShortOfAir",     "English,1,70,1.2,90,48,5,8,US Dollars,,1/4,,",                 RunStatus::Refused},
    {"NoInletChosen",             "English,1,60,10,90,52,7,24,US Dollars,,,,",                    RunStatus::Refused},
    {"TooManyWeeks",              "English,1,60,10,90,60,7,24,US Dollars,,1,,",                   RunStatus::Refused},
    {"NoCurrencyNoStages",        "SI,,4,40,6,52,7,24,,,1,,",                                     RunStatus::Refused},
    {"ThreeCompressorStages",     "English,1,60,10,90,52,7,24,US Dollars,,1,3,",                  RunStatus::Refused},
    {"HundredPercentEfficient",   "English,1,60,10,90,52,7,24,US Dollars,,1,,100",                RunStatus::Refused},
};
// clang-format on

class DutyPointBothWays : public MainWindowTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(DutyPointBothWays, WindowAndCoreAgreeInEveryField) {
    const DutyPoint point = pointOf(GetParam().row);
    const WindowRun run = cases::runAsTheWindow(point);
    EXPECT_EQ(run.status, GetParam().status);

    pressThrough(ui, point);
    EXPECT_EQ(ui.messages.shown, run.messages);
    EXPECT_TRUE(isIn(ui.window(), screenOf(run)));
    const OperatingCase& shown = ui.window().operatingCase();
    for (const auto& [name, figure] : kRecordFigures)
        EXPECT_TRUE(near(shown.*figure, run.record.*figure))
            << name << ": " << shown.*figure << " against " << run.record.*figure;
    EXPECT_EQ(shown.inletSize, run.record.inletSize);
    EXPECT_EQ(shown.pcCostOnly, run.record.pcCostOnly);
    if (!run.costs)
        return;
    const AnnualCosts& costs = ui.window().annualCosts();
    EXPECT_TRUE(near(costs.pcAnnualCost, run.costs->pcAnnualCost));
    EXPECT_EQ(ui.text("Text10").toStdString(), formatStandard(run.costs->pcAnnualCost));
    if (run.status != RunStatus::Costed)
        return;
    EXPECT_TRUE(near(costs.aoddAnnualCost, run.costs->aoddAnnualCost));
    EXPECT_TRUE(near(costs.totalSavings, run.costs->totalSavings));
    EXPECT_EQ(ui.text("Text11").toStdString(), formatStandard(run.costs->aoddAnnualCost));
    EXPECT_EQ(ui.text("Text12").toStdString(), formatStandard(run.costs->totalSavings));
}

// The window's entries and choices saved as a one-row duty list and read again cost the same.
TEST_P(DutyPointBothWays, SavedAndOpenedAgainGivesTheSameResults) {
    const DutyPoint point = pointOf(GetParam().row);
    pressThrough(ui, point);
    const auto entry = [&](const char* name) { return ui.text(name).toStdString(); };
    const DutyPoint entries{
        point.units,    point.stages,   entry("Text1"),
        entry("Text2"), entry("Text3"), entry("Text6"),
        entry("Text7"), entry("Text8"), ui.control<QComboBox>("Combo1")->currentText().toStdString(),
        entry("Text9"), point.inlet,    entry("Text4"),
        entry("Text5")};
    const std::string saved = cases::oneRowDutyList(entries);
    ASSERT_EQ(saved.substr(0, kHeader.size()), kHeader);
    const WindowRun reopened = cases::runAsTheWindow(pointOf(saved.substr(kHeader.size())));
    const WindowRun first = cases::runAsTheWindow(point);
    EXPECT_EQ(reopened.messages, first.messages);
    EXPECT_EQ(reopened.status, first.status);
    if (first.costs && reopened.costs) {
        EXPECT_TRUE(near(reopened.costs->pcAnnualCost, first.costs->pcAnnualCost));
        EXPECT_TRUE(near(reopened.costs->aoddAnnualCost, first.costs->aoddAnnualCost));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DutyPointBothWays, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pumpvale::testing
