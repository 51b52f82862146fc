#include "ui/comparison_text.h"

#include "core/cost.h"
#include "core/number_format.h"
#include "ui/form2_controls.h"
#include "ui/report_layouts.h"
#include "ui/window_parts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <string>

namespace pumpvale {

ComparisonControls comparisonControls(const MainWindowControls& window) {
    ComparisonControls controls;
    controls.compressorStages = window.Text4;
    controls.compressorEfficiency = window.Text5;
    controls.si = window.Option10;
    controls.currency = window.Combo1;
    const auto options = window.inletOptions();
    std::copy(options.begin(), options.end(), controls.inletOptions.begin());
    return controls;
}

namespace {

// The figures are those the cost button would give with the compressor entries as they stand.
ComparisonContext contextOf(const OperatingCase& c, const std::string& compressorStages,
                            const std::string& compressorEfficiency) {
    ComparisonContext context;
    context.duty = c;
    context.duty.compressorStages = parseLeadingNumber(compressorStages);
    context.duty.compressorEfficiencyPct = parseLeadingNumber(compressorEfficiency);
    return context;
}

} // namespace

ComparisonContext comparisonContext(const ComparisonControls& controls, const OperatingCase& c) {
    const auto text = [](const QLineEdit* entry) {
        return entry != nullptr ? entry->text().toStdString() : std::string();
    };
    const auto checked = [](const QRadioButton* option) { return option != nullptr && option->isChecked(); };
    ComparisonContext context =
        contextOf(c, text(controls.compressorStages), text(controls.compressorEfficiency));
    context.units = checked(controls.si) ? UnitSystem::SI : UnitSystem::English;
    if (controls.currency != nullptr)
        context.currency = controls.currency->currentText();
    for (std::size_t i = 0; i < controls.inletOptions.size() && !context.selected; ++i)
        if (checked(controls.inletOptions[i]))
            context.selected = kInletSizes[i];
    return context;
}

ComparisonContext comparisonContext(const Session& session) {
    const CaseEntries& e = session.entries();
    ComparisonContext context = contextOf(session.record(), e.compressorStages, e.compressorEfficiency);
    context.units = e.units == UnitSystem::SI ? UnitSystem::SI : UnitSystem::English;
    context.currency = QString::fromStdString(session.record().currency); // the costs' currency
    context.selected = e.inlet;
    return context;
}

namespace comparison_text {
namespace {

using parts::qText;

} // namespace

QString figure(double value) {
    return qText(formatQuantity(value, localeSeparators()));
}

QString pressureUnit(UnitSystem units) {
    return units == UnitSystem::SI ? QStringLiteral("Bar") : QStringLiteral("psi");
}

QString flowUnit(UnitSystem units) {
    return units == UnitSystem::SI ? QStringLiteral("l/min") : QStringLiteral("GPM");
}

QString pressure(double psi, UnitSystem units) {
    return figure(pressureInUnits(psi, units)) + ' ' + pressureUnit(units);
}

QString flow(double gpm, UnitSystem units) {
    return figure(flowInUnits(gpm, units)) + ' ' + flowUnit(units);
}

QString money(double amount) {
    return qText(formatMoney(amount, localeSeparators()));
}

QString dutyLine(const ComparisonContext& context) {
    const OperatingCase& c = context.duty;
    const QString stages =
        c.pcStages == PumpStages::Two ? QStringLiteral("two-stage") : QStringLiteral("one-stage");
    // "1 stage", "2 stages"; the efficiency's figure and its "%" are never parted by a line break.
    const QString compressorStages =
        figure(c.compressorStages) +
        (c.compressorStages == 1 ? QStringLiteral(" stage") : QStringLiteral(" stages"));
    return QStringLiteral("%1 and %2 with a %3 PC pump; system air %4; compressor %5 at %6\u00a0%; "
                          "PC pump %7 %8 a year")
        .arg(pressure(c.pressurePsi, context.units), flow(c.flowGpm, context.units), stages,
             pressure(c.airPressurePsi, context.units), compressorStages, figure(c.compressorEfficiencyPct),
             money(computePcAnnualCost(c)), context.currency);
}

QString remarkDetail(const InletComparisonRow& row) {
    if (row.verdict == InletVerdict::Serves && !row.costMessage && !row.messages.empty())
        return qText(row.messages.front().text); // an advisory
    return qText(reasonOf(row));
}

QString tooltip(const InletComparisonRow& row, const ComparisonContext& context) {
    const QString name = qText(inletSizeName(row.size));
    const OperatingCase& c = context.duty;
    if (!row.demand)
        return QStringLiteral("%1 cannot serve %2 at %3: %4.")
            .arg(name, flow(c.flowGpm, context.units), pressure(c.pressurePsi, context.units),
                 qText(briefReasonOf(row)));

    const QString air = pressure(row.demand->requiredAirPsi, context.units);
    const QString system = pressure(c.airPressurePsi, context.units);
    QString first = row.verdict == InletVerdict::Serves
                        ? QStringLiteral("%1: %2 SCFM at %3 of air (system %4).")
                        : QStringLiteral("%1: %2 SCFM at %3 of air, more than the system's %4.");
    first = first.arg(name, figure(row.demand->airConsumptionScfm), air, system);
    const QString second = row.costs ? QStringLiteral("AODD %1 %2 a year; savings %3 against the PC pump.")
                                           .arg(money(row.costs->aoddAnnualCost), context.currency,
                                                money(row.costs->totalSavings))
                                     : QStringLiteral("No annual cost: %1.").arg(qText(briefReasonOf(row)));
    return first + '\n' + second;
}

TooltipInputs tooltipInputs(const InletComparisonRow& row, const ComparisonContext& context) {
    TooltipInputs in;
    in.size = row.size;
    in.verdict = row.verdict;
    in.demand = row.demand;
    if (row.costs) {
        in.aoddCost = row.costs->aoddAnnualCost;
        in.savings = row.costs->totalSavings;
    }
    in.briefReason = briefReasonOf(row);
    in.flowGpm = context.duty.flowGpm;
    in.pressurePsi = context.duty.pressurePsi;
    in.airPressurePsi = context.duty.airPressurePsi;
    in.units = context.units;
    in.currency = context.currency;
    return in;
}

} // namespace comparison_text
} // namespace pumpvale
