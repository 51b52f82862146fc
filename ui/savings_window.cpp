#include "ui/savings_window.h"

#include "core/cost.h"
#include "core/energy.h"
#include "ui/keyboard.h"
#include "ui/metrics.h"
#include "ui/report_layouts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pumpvale {
namespace {

enum class Output { ExtraFirstCost, NetSaving, Payback, Cumulative, PresentValue, EnergySaved, Co2Avoided };

enum class Unit { Money, MoneyAYear, Years, PercentAYear, Factor, Kwh, Co2, None };

struct Field {
    const char* label;
    const char* objectName;
    Unit unit;
};

// clang-format off
constexpr std::array<Field, SavingsWindow::kEntryCount> kEntries{{
    {"&Installed price of the PC pump:",   "PcPriceEntry",         Unit::Money},
    {"Installed price of the &AODD pump:", "AoddPriceEntry",       Unit::Money},
    {"&Maintenance of the PC pump:",       "PcMaintenanceEntry",   Unit::MoneyAYear},
    {"Ma&intenance of the AODD pump:",     "AoddMaintenanceEntry", Unit::MoneyAYear},
    {"&Years of service:",                 "YearsEntry",           Unit::Years},
    {"&Discount rate:",                    "DiscountRateEntry",    Unit::PercentAYear},
    {"Grid &emission factor:",             "EmissionFactorEntry",  Unit::Factor},
}};
constexpr std::array<Field, SavingsWindow::kOutputCount> kOutputs{{
    {"Extra first cost of the PC pump:",   "ExtraFirstCostBox",    Unit::Money},
    {"Net saving a year:",                 "NetSavingBox",         Unit::MoneyAYear},
    {"Simple payback:",                    "PaybackBox",           Unit::None},
    {"Cumulative net saving:",             "CumulativeSavingBox",  Unit::Money},
    {"Net present value:",                 "PresentValueBox",      Unit::Money},
    {"Energy saved a year:",               "EnergySavedBox",       Unit::Kwh},
    {"CO2 avoided a year:",                "Co2AvoidedBox",        Unit::Co2},
}};
// clang-format on

QString unitText(Unit unit, const QString& currency) {
    switch (unit) {
        case Unit::Money:
            return currency;
        case Unit::MoneyAYear:
            return currency + " a year";
        case Unit::Years:
            return QString("years (%1 to %2)")
                .arg(life_cycle_limits::kMinYears)
                .arg(life_cycle_limits::kMaxYears);
        case Unit::PercentAYear:
            return "percent a year";
        case Unit::Factor:
            return "kg CO2e per kWh (empty: no CO2 figures)";
        case Unit::Kwh:
            return "kWh";
        case Unit::Co2:
            return "kg CO2e";
        case Unit::None:
            break;
    }
    return {};
}

// The label's text as a screen reader should say it: no mnemonic, no colon.
QString spoken(const char* label) {
    QString text = QString(label).remove('&');
    text.chop(1);
    return text;
}

QString text(const Message& message) {
    return QString::fromUtf8(message.text.data(), static_cast<qsizetype>(message.text.size()));
}

QString money(double amount, const Separators& separators) {
    return QString::fromStdString(formatStandard(amount, separators.decimal, separators.group));
}

OwnershipChartData chartData(const LifeCycle& l, const std::string& currency) {
    return {l.pcCumulative, l.aoddCumulative, l.breakEvenYear, QString::fromStdString(currency)};
}

} // namespace

SavingsWindow::SavingsWindow(QWidget& owner, const OperatingCase& c, const AnnualCosts& costs)
    : QWidget(&owner, Qt::Window), case_(c), costs_(costs) {
    setObjectName("SavingsWindow");
    setWindowTitle("Savings Over Time");
    setWindowIcon(owner.windowIcon());
    setFont(metrics::font());
    keyboard::closeOnEscape(*this);

    heading_ = new QLabel(this);
    heading_->setObjectName("Heading");
    heading_->setWordWrap(true);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* entryGroup = new QGroupBox("Prices and service", this);
    auto* entryGrid = new QGridLayout(entryGroup);
    entryGrid->setColumnStretch(2, 1);
    // Rows a little closer than the style's, so that the window fits a 1366 x 768 screen at 125 %.
    entryGrid->setVerticalSpacing(3);
    const LifeCycleEntries defaults;
    const std::array<const std::string*, kEntryCount> texts{
        &defaults.pcPrice, &defaults.aoddPrice,       &defaults.pcMaintenance, &defaults.aoddMaintenance,
        &defaults.years,   &defaults.discountRatePct, &defaults.emissionFactor};
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        auto* label = new QLabel(kEntries[i].label, entryGroup);
        auto* edit = new QLineEdit(QString::fromStdString(*texts[i]), entryGroup);
        edit->setObjectName(kEntries[i].objectName);
        edit->setAccessibleName(spoken(kEntries[i].label));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(12, '0')));
        edit->setMaximumWidth(metrics::px(2400));
        label->setBuddy(edit);
        auto* unit = new QLabel(entryGroup);
        const int row = static_cast<int>(i);
        entryGrid->addWidget(label, row, 0);
        entryGrid->addWidget(edit, row, 1);
        entryGrid->addWidget(unit, row, 2);
        entries_[i] = edit;
        entryUnits_[i] = unit;
        connect(edit, &QLineEdit::textChanged, this, &SavingsWindow::entriesEdited);
    }

    // The figures, or in their place what to fix: a refused entry leaves no figure to show.
    auto* outputGroup = new QGroupBox("Over the years of service", this);
    outputPages_ = new QStackedWidget(outputGroup);
    auto* figures = new QWidget(outputPages_);
    auto* outputGrid = new QGridLayout(figures);
    outputGrid->setContentsMargins(0, 0, 0, 0);
    outputGrid->setColumnStretch(2, 1);
    outputGrid->setVerticalSpacing(3);
    for (std::size_t i = 0; i < kOutputCount; ++i) {
        auto* label = new QLabel(kOutputs[i].label, figures);
        auto* box = new QLineEdit(figures);
        box->setObjectName(kOutputs[i].objectName);
        box->setAccessibleName(spoken(kOutputs[i].label));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(14, '0')));
        label->setBuddy(box);
        auto* unit = new QLabel(figures);
        const int row = static_cast<int>(i);
        outputGrid->addWidget(label, row, 0);
        outputGrid->addWidget(box, row, 1);
        outputGrid->addWidget(unit, row, 2);
        outputs_[i] = box;
        outputUnits_[i] = unit;
    }
    messages_ = new QLabel(outputPages_);
    messages_->setObjectName("Messages");
    messages_->setAccessibleName("Messages");
    messages_->setWordWrap(true);
    messages_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    messages_->setTextFormat(Qt::PlainText);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outputPages_->addWidget(figures);
    outputPages_->addWidget(messages_);
    (new QVBoxLayout(outputGroup))->addWidget(outputPages_);

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName("YearTable");
    table_->setAccessibleName("Cost of ownership by year");
    table_->setHorizontalHeaderLabels({"Year", "PC pump", "AODD pump", "Saved to date"});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false); // Tab leaves the table
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Room for four columns of amounts to the million; larger ones scroll.
    table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(QString(48, '0')));
    table_->setMaximumWidth(table_->fontMetrics().horizontalAdvance(QString(56, '0')));

    chart_ = new OwnershipChart(this);
    chart_->setObjectName("OwnershipChart");
    chart_->setAccessibleName("Cost of ownership chart");

    close_ = new QPushButton("Close", this);
    close_->setObjectName("CloseButton");
    close_->setAutoDefault(true);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(entryGroup, 1);
    top->addWidget(outputGroup, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chart_, 1);
    bottom->addWidget(table_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    layout->addLayout(buttons);
    resultsChanged();
    // Room for the chart and a few years of the table, within the screen with its title bar.
    QSize wanted = sizeHint().expandedTo(metrics::size(11400, 6900));
    if (const QScreen* shown = owner.screen())
        wanted = wanted.boundedTo(shown->availableSize() - QSize(24, 64));
    resize(wanted);
}

LifeCycleEntries SavingsWindow::entryTexts() const {
    LifeCycleEntries e;
    const std::array<std::string*, kEntryCount> texts{&e.pcPrice,         &e.aoddPrice, &e.pcMaintenance,
                                                      &e.aoddMaintenance, &e.years,     &e.discountRatePct,
                                                      &e.emissionFactor};
    for (std::size_t i = 0; i < kEntryCount; ++i)
        *texts[i] = entries_[i]->text().toStdString();
    return e;
}

LifeCycleInputs SavingsWindow::inputs() const {
    const CheckedEntries checked = checkLifeCycleEntries(entryTexts());
    return {checked.emissionFactor, checked.payback};
}

std::optional<OwnershipChartData> SavingsWindow::reportChart() const {
    const LifeCycleInputs checked = inputs();
    if (withdrawn_ || pcOnly_ || !checked.payback)
        return std::nullopt;
    const LifeCycleResult result = computeLifeCycle(*checked.payback, costs_);
    if (!result.figures)
        return std::nullopt;
    return chartData(*result.figures, case_.currency);
}

void SavingsWindow::resultWithdrawn() {
    withdrawn_ = true;
    heading_->setText("The calculator shows no result now. The figures return with the next result.");
    showFigures();
}

void SavingsWindow::resultsChanged() {
    withdrawn_ = false;
    const CalculationReport report = buildCalculationReport(case_, costs_);
    pcOnly_ = report.pcCostOnly;
    const QString currency = QString::fromStdString(case_.currency);
    const Separators separators = localeSeparators();
    if (pcOnly_) {
        const ReportRow* why = report.find("pc-only-reason");
        heading_->setText("There is nothing to compare: only the PC pump was costed. " +
                          (why != nullptr ? QString::fromStdString(why->value.text) : QString()));
    } else {
        heading_->setText("Each year the PC pump costs " + money(costs_.pcAnnualCost, separators) +
                          " and the AODD pump " + money(costs_.aoddAnnualCost, separators) + " " + currency +
                          " in electricity: a saving of " + money(costs_.totalSavings, separators) + " " +
                          currency + " a year.");
    }
    for (std::size_t i = 0; i < kEntryCount; ++i)
        entryUnits_[i]->setText(unitText(kEntries[i].unit, currency));
    for (std::size_t i = 0; i < kOutputCount; ++i)
        outputUnits_[i]->setText(unitText(kOutputs[i].unit, currency));
    showFigures();
}

void SavingsWindow::entriesEdited() {
    showFigures();
    emit entriesChanged();
}

void SavingsWindow::showMessages(const QStringList& lines) {
    messages_->setText(lines.join('\n'));
    outputPages_->setCurrentIndex(lines.isEmpty() ? 0 : 1);
}

void SavingsWindow::clearFigures() {
    for (QLineEdit* box : outputs_)
        box->clear();
    table_->setRowCount(0);
    chart_->setData({{}, {}, std::nullopt, QString::fromStdString(case_.currency)});
    chart_->setAccessibleDescription("No figures");
}

// Every figure from the entries as they stand; a refused entry shows its message and no figure.
void SavingsWindow::showFigures() {
    clearFigures();
    const CheckedEntries checked = checkLifeCycleEntries(entryTexts());
    QStringList lines;
    for (QLineEdit* entry : entries_)
        entry->setAccessibleDescription({});
    for (const EntryProblem& problem : checked.problems) {
        lines << text(problem.message);
        // A screen reader says it with the entry that is to be mended.
        entry(problem.field).setAccessibleDescription(text(problem.message));
    }
    showMessages(lines);
    if (withdrawn_ || pcOnly_ || !checked.problems.empty())
        return;

    const Separators separators = localeSeparators();
    const auto figure = [&separators](double value) {
        return QString::fromStdString(formatValue(ReportValue::figure(value), separators));
    };
    const auto output = [this](Output o) { return outputs_[static_cast<std::size_t>(o)]; };
    const AnnualEnergy energy = annualEnergy(case_, false);
    if (energy.savedKwh)
        output(Output::EnergySaved)->setText(figure(*energy.savedKwh));
    if (checked.emissionFactor) {
        const AnnualEmissions co2 = annualEmissions(energy, *checked.emissionFactor);
        if (co2.avoidedKg)
            output(Output::Co2Avoided)->setText(figure(*co2.avoidedKg));
    }
    if (!checked.payback)
        return;
    const LifeCycleResult result = computeLifeCycle(*checked.payback, costs_);
    if (!result.figures) {
        for (const Message& m : result.messages)
            lines << text(m);
        showMessages(lines);
        return;
    }
    const LifeCycle& l = *result.figures;
    output(Output::ExtraFirstCost)->setText(money(l.extraFirstCost, separators));
    output(Output::NetSaving)->setText(money(l.netSavingPerYear, separators));
    output(Output::Cumulative)->setText(money(l.cumulativeNetSaving, separators));
    output(Output::PresentValue)->setText(money(l.netPresentValue, separators));
    switch (l.payback) {
        case PaybackOutcome::AtOnce:
            output(Output::Payback)->setText("at once");
            break;
        case PaybackOutcome::Never:
            output(Output::Payback)->setText("never");
            break;
        case PaybackOutcome::InYears:
            output(Output::Payback)
                ->setText(QString::fromStdString(formatYears(l.paybackYears, separators)) + " years");
            break;
    }

    const auto cell = [](const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return item;
    };
    const int rows = static_cast<int>(l.pcCumulative.size());
    table_->setRowCount(rows);
    for (int t = 0; t < rows; ++t) {
        const auto year = static_cast<std::size_t>(t);
        table_->setItem(t, 0, cell(QString::number(t)));
        table_->setItem(t, 1, cell(money(l.pcCumulative[year], separators)));
        table_->setItem(t, 2, cell(money(l.aoddCumulative[year], separators)));
        table_->setItem(t, 3, cell(money(l.aoddCumulative[year] - l.pcCumulative[year], separators)));
    }
    const QString currency = QString::fromStdString(case_.currency);
    chart_->setData(chartData(l, case_.currency));
    // The chart in words, for a screen reader.
    QString description =
        QString("Over %1 years the PC pump's cost of ownership goes from %2 to %3, the AODD pump's from %4 "
                "to %5 %6.")
            .arg(rows - 1)
            .arg(money(l.pcCumulative.front(), separators), money(l.pcCumulative.back(), separators),
                 money(l.aoddCumulative.front(), separators), money(l.aoddCumulative.back(), separators),
                 currency);
    if (l.breakEvenYear)
        description += " The PC pump's line drops below the AODD pump's at " +
                       QString::fromStdString(formatYears(*l.breakEvenYear, separators)) + " years.";
    chart_->setAccessibleDescription(description);
}

} // namespace pumpvale
