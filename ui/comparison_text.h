// The comparison of the inlet sizes as texts: the table's cells, the inlet captions' tooltips, the duty
// point line. One set of wordings for the window, the tooltips and the report.
#pragma once

#include "aodd/comparison.h"
#include "core/operating_case.h"

#include <QString>
#include <QStringList>

class QWidget;
#include <optional>

namespace pumpvale {

// What the comparison is made for: the accepted operating data with the compressor entries to cost at,
// and how the user reads figures.
struct ComparisonContext {
    OperatingCase duty;
    UnitSystem units = UnitSystem::English;
    QString currency;
    std::optional<InletSize> selected;
};

// The context as the main window holds it now: its record, with the compressor entries (Text4, Text5)
// as typed, the unit option, the currency (Combo1) and the first selected inlet option. Read by the
// controls' names, so that code outside the window can ask.
ComparisonContext comparisonContext(const QWidget& window, const OperatingCase& c);

namespace comparison_text {

QString pressureUnit(UnitSystem units); // "psi" or "Bar"
QString flowUnit(UnitSystem units);     // "GPM" or "l/min"
QString pressure(double psi, UnitSystem units);
QString flow(double gpm, UnitSystem units);
// The "Standard" format with the locale's separators, as the result boxes show amounts; from 1e15 on, in
// powers of ten.
QString money(double amount);

// "60 psi, 10 GPM; system air 90 psi; compressor 1 stage at 75 %; PC pump 292.54 US Dollars a year"
QString dutyLine(const ComparisonContext& context);

inline constexpr int kColumns = 7;
QStringList headers(const ComparisonContext& context);
// Figures that do not exist for a row read "-", and its remark says why.
QStringList cells(const InletComparisonRow& row, const ComparisonContext& context);
// The full message behind a row's remark, for its tooltip; empty when there is none.
QString remarkDetail(const InletComparisonRow& row);

// One or two lines for an inlet caption's tooltip.
QString tooltip(const InletComparisonRow& row, const ComparisonContext& context);

} // namespace comparison_text
} // namespace pumpvale
