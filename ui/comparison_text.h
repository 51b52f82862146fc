// The comparison of the inlet sizes as texts: the inlet captions' tooltips, the duty point line, the
// chart's units. The table itself is the report's section (aodd/comparison_report.h), laid out once.
// Every figure goes through the core's one rule (formatQuantity), money through formatMoney.
#pragma once

#include "aodd/comparison.h"
#include "core/operating_case.h"
#include "core/session.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <string>

class QComboBox;
class QLineEdit;
class QRadioButton;
#include <optional>

namespace pumpvale {

struct MainWindowControls;

// What the comparison is made for: the accepted operating data with the compressor entries to cost at,
// and how the user reads figures.
struct ComparisonContext {
    OperatingCase duty;
    UnitSystem units = UnitSystem::English;
    QString currency;
    std::optional<InletSize> selected;
};

// The controls the context is read from: the compressor entries (Text4, Text5) as typed, the unit
// option, the currency (Combo1) and the first selected inlet option.
struct ComparisonControls {
    const QLineEdit* compressorStages = nullptr;       // Text4
    const QLineEdit* compressorEfficiency = nullptr;   // Text5
    const QRadioButton* si = nullptr;                  // Option10
    const QComboBox* currency = nullptr;               // Combo1
    std::array<const QRadioButton*, 6> inletOptions{}; // Option1 to Option6
};
ComparisonControls comparisonControls(const MainWindowControls& window);
// The context as the main window holds it now: its record c, with what its controls say.
ComparisonContext comparisonContext(const ComparisonControls& controls, const OperatingCase& c);
// The context of the session's case: its record, with the case's entries and choices.
ComparisonContext comparisonContext(const Session& session);

namespace comparison_text {

QString pressureUnit(UnitSystem units); // "psi" or "Bar"
QString flowUnit(UnitSystem units);     // "GPM" or "l/min"
QString pressure(double psi, UnitSystem units);
QString flow(double gpm, UnitSystem units);
// A figure by the one rule, with the locale's separators: 16.4, 120, 8.22 (no unit).
QString figure(double value);
// The "Standard" format with the locale's separators, as the result boxes show amounts; from 1e15 on, in
// powers of ten.
QString money(double amount);

// "60 psi and 10 GPM with a one-stage PC pump; system air 90 psi; compressor 1 stage at 75 %; PC pump
// 292.54 US Dollars a year", a non-breaking space before the "%"
QString dutyLine(const ComparisonContext& context);

// The full message behind a row's remark, for its tooltip; empty when there is none.
QString remarkDetail(const InletComparisonRow& row);

// One or two lines for an inlet caption's tooltip.
QString tooltip(const InletComparisonRow& row, const ComparisonContext& context);

// All that tooltip reads: equal inputs give the same text, so a caption may keep the one it has.
struct TooltipInputs {
    InletSize size = InletSize::Quarter;
    InletVerdict verdict = InletVerdict::OutsideItsData;
    std::optional<AirDemand> demand;
    std::optional<double> aoddCost;
    std::optional<double> savings;
    std::string briefReason;
    double flowGpm = 0;
    double pressurePsi = 0;
    double airPressurePsi = 0;
    UnitSystem units = UnitSystem::English;
    QString currency;
    QLocale locale;
    bool operator==(const TooltipInputs&) const = default;
};
TooltipInputs tooltipInputs(const InletComparisonRow& row, const ComparisonContext& context);

} // namespace comparison_text
} // namespace pumpvale
