#include "ui/savings_window.h"

#include "ui/accessibility.h"
#include "ui/accessible_buttons.h"
#include "ui/keyboard.h"
#include "ui/metrics.h"
#include "ui/report_layouts.h"
#include "ui/window_parts.h"
#include "ui/workflow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <utility>

namespace pumpvale {
namespace {

namespace keys = life_cycle_keys;

enum class Unit { Money, MoneyAYear, Years, PercentAYear, Factor };

struct Entry {
    const char* label;
    const char* objectName;
    Unit unit;
};

// A box shows the figure of the report's row with its key, and its unit beside it.
struct Output {
    const char* label;
    const char* objectName;
    std::string_view key;
};

// clang-format off
constexpr std::array<Entry, SavingsWindow::kEntryCount> kEntries{{
    {"&Installed price of the PC pump:",   "PcPriceEntry",         Unit::Money},
    {"Installed price of the &AODD pump:", "AoddPriceEntry",       Unit::Money},
    {"&Maintenance of the PC pump:",       "PcMaintenanceEntry",   Unit::MoneyAYear},
    {"Ma&intenance of the AODD pump:",     "AoddMaintenanceEntry", Unit::MoneyAYear},
    {"&Years of service:",                 "YearsEntry",           Unit::Years},
    {"&Discount rate:",                    "DiscountRateEntry",    Unit::PercentAYear},
    {"Energy price esca&lation:",          "EscalationEntry",      Unit::PercentAYear},
    {"Grid &emission factor:",             "EmissionFactorEntry",  Unit::Factor},
}};
constexpr std::array<Output, SavingsWindow::kOutputCount> kOutputs{{
    {"Extra first cost of the PC pump:",   "ExtraFirstCostBox",    keys::kExtraFirstCost},
    {"Net saving a year:",                 "NetSavingBox",         keys::kNetSavingPerYear},
    {"Simple payback:",                    "PaybackBox",           keys::kSimplePayback},
    {"Discounted payback:",                "DiscountedPaybackBox", keys::kDiscountedPayback},
    {"Break-even year:",                   "BreakEvenBox",         keys::kBreakEvenYear},
    {"Cumulative net saving:",             "CumulativeSavingBox",  keys::kCumulativeSaving},
    {"Net present value:",                 "PresentValueBox",      keys::kNetPresentValue},
    {"Energy saved a year:",               "EnergySavedBox",       keys::kEnergySaved},
    {"CO2 avoided a year:",                "Co2AvoidedBox",        keys::kCo2Avoided},
}};
// clang-format on

// The unit as a screen reader says it after the entry's name.
QString spokenUnit(Unit unit, const QString& currency) {
    switch (unit) {
        case Unit::Money:
            return currency;
        case Unit::MoneyAYear:
            return currency + " a year";
        case Unit::Years:
            return "years";
        case Unit::PercentAYear:
            return "percent a year";
        case Unit::Factor:
            break;
    }
    return "kg CO2e per kWh";
}

// The unit as the window shows it beside the entry.
QString unitText(Unit unit, const QString& currency) {
    if (unit == Unit::Years)
        return QString("years (%1 to %2)")
            .arg(life_cycle_limits::kMinYears)
            .arg(life_cycle_limits::kMaxYears);
    if (unit == Unit::Factor)
        return spokenUnit(unit, currency) + " (empty: no CO2 figures)";
    return spokenUnit(unit, currency);
}

// "Net saving a year, US Dollars a year": a name and its unit, when there is one.
QString withUnit(const QString& name, const QString& unit) {
    return unit.isEmpty() ? name : name + ", " + unit;
}

// Sets a control's accessible name or description only when it changes: each one set is announced.
void setAccessible(QWidget& control, const QString& name, const QString& description) {
    if (control.accessibleName() != name)
        control.setAccessibleName(name);
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

// The label's text as a screen reader should say it: no mnemonic, no colon.
QString spoken(const char* label) {
    QString text = QString(label).remove('&');
    text.chop(1);
    return text;
}

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The grid of a group of labelled lines, the units taking the room left. Rows a little closer than the
// style's, so that the window fits a 1366 x 768 screen at 125 %.
QGridLayout& lineGrid(QWidget& group) {
    auto* grid = new QGridLayout(&group);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(3);
    return *grid;
}

// A row of a grid's group: the label, its buddy line named for a screen reader, and the unit after it.
std::pair<QLineEdit*, QLabel*> addLine(QGridLayout& grid, int row, const char* labelText,
                                       const char* objectName) {
    QWidget* group = grid.parentWidget();
    auto* label = new QLabel(labelText, group);
    auto* line = new QLineEdit(group);
    line->setObjectName(objectName);
    line->setAccessibleName(spoken(labelText));
    label->setBuddy(line);
    auto* unit = new QLabel(group);
    grid.addWidget(label, row, 0);
    grid.addWidget(line, row, 1);
    grid.addWidget(unit, row, 2);
    return {line, unit};
}

std::array<std::string*, SavingsWindow::kEntryCount> textsOf(LifeCycleEntries& e) {
    return {&e.pcPrice, &e.aoddPrice,       &e.pcMaintenance, &e.aoddMaintenance,
            &e.years,   &e.discountRatePct, &e.escalationPct, &e.emissionFactor};
}

} // namespace

SavingsWindow::SavingsWindow(QWidget& owner, Workflow& workflow)
    : QWidget(&owner, Qt::Window), workflow_(workflow) {
    setObjectName("SavingsWindow");
    setWindowTitle("Savings Over Time");
    nameWindow(*this, windowTitle());
    setWindowIcon(owner.windowIcon());
    setFont(metrics::font());
    keyboard::closeOnEscape(*this);

    heading_ = parts::addHeading(*this);

    auto* entryGroup = new QGroupBox("Prices and service", this);
    buildEntries(*entryGroup);
    auto* outputGroup = new QGroupBox("Over the years of service", this);
    buildOutputs(*outputGroup);
    // What to fix, below the figures: a refused entry takes away the figures that depend on it only.
    messages_ = new QLabel(this);
    messages_->setObjectName("Messages");
    messages_->setAccessibleName("Messages");
    makeReadableText(*messages_);
    messages_->setWordWrap(true);
    messages_->setTextFormat(Qt::PlainText);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buildTable();

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
    layout->addWidget(messages_);
    layout->addLayout(bottom, 1);
    layout->addLayout(buttons);

    connect(&workflow_, &Workflow::resultsShown, this, &SavingsWindow::render);
    connect(&workflow_, &Workflow::resultsWithdrawn, this, &SavingsWindow::render);
    connect(&workflow_, &Workflow::caseOpened, this, &SavingsWindow::caseOpened);
    caseOpened();
    // Room for the chart and a few years of the table, within the screen with its title bar.
    QSize wanted = sizeHint().expandedTo(metrics::size(11400, 6900));
    if (const QScreen* shown = owner.screen())
        wanted = wanted.boundedTo(shown->availableSize() - QSize(24, 64));
    resize(wanted);
}

void SavingsWindow::buildEntries(QWidget& group) {
    QGridLayout& grid = lineGrid(group);
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto& [label, name, unit] = kEntries[i];
        std::tie(entries_[i], entryUnits_[i]) = addLine(grid, int(i), label, name);
        entries_[i]->setMinimumWidth(entries_[i]->fontMetrics().horizontalAdvance(QString(12, '0')));
        entries_[i]->setMaximumWidth(metrics::px(2400));
        connect(entries_[i], &QLineEdit::textChanged, this, &SavingsWindow::entriesEdited);
    }
}

void SavingsWindow::buildOutputs(QWidget& group) {
    QGridLayout& grid = lineGrid(group);
    for (std::size_t i = 0; i < kOutputCount; ++i) {
        std::tie(outputs_[i], outputUnits_[i]) =
            addLine(grid, int(i), kOutputs[i].label, kOutputs[i].objectName);
        outputs_[i]->setReadOnly(true);
        outputs_[i]->setAlignment(Qt::AlignRight);
        outputs_[i]->setMinimumWidth(outputs_[i]->fontMetrics().horizontalAdvance(QString(14, '0')));
    }
}

void SavingsWindow::buildTable() {
    table_ = new QTableWidget(this);
    table_->setObjectName("YearTable");
    table_->setAccessibleName("Cost of ownership by year");
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false); // Tab leaves the table
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
}

// As wide as its columns, within room for four columns of amounts to the thousands and to the millions:
// the same width with or without rows, larger amounts scrolling.
void SavingsWindow::fitTable() {
    const QHeaderView& header = *table_->horizontalHeader();
    const QAbstractItemView& cells = *table_;
    int columns =
        2 * table_->frameWidth() + table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    for (int i = 0; i < table_->columnCount(); ++i)
        columns += std::max(header.sectionSizeHint(i), cells.sizeHintForColumn(i));
    const QFontMetrics& metrics = table_->fontMetrics();
    table_->setFixedWidth(std::clamp(columns, metrics.horizontalAdvance(QString(48, '0')),
                                     metrics.horizontalAdvance(QString(56, '0'))));
}

LifeCycleEntries SavingsWindow::entryTexts() const {
    LifeCycleEntries e;
    const auto texts = textsOf(e);
    for (std::size_t i = 0; i < kEntryCount; ++i)
        *texts[i] = entries_[i]->text().toStdString();
    return e;
}

void SavingsWindow::entriesEdited() {
    workflow_.session().setLifeCycle(entryTexts());
    render();
    emit entriesChanged();
}

// The case's own entries, put in without a change each: the case already holds them.
void SavingsWindow::caseOpened() {
    LifeCycleEntries held = workflow_.session().currentCase().lifeCycle;
    const auto texts = textsOf(held);
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const QSignalBlocker quiet(entries_[i]);
        if (entries_[i]->text().toStdString() != *texts[i])
            entries_[i]->setText(QString::fromStdString(*texts[i]));
    }
    render();
}

// The session's life cycle as the report has it: its heading, what to fix, every figure there is.
void SavingsWindow::render() {
    const Session& session = workflow_.session();
    const Separators separators = localeSeparators();
    const LifeCycleOutcome outcome = workOutLifeCycle(session);
    heading_->setText(QString::fromStdString(lifeCycleHeading(session, separators)));
    const QString currency = QString::fromStdString(outcome.currency);
    // A screen reader says each entry with its unit, its accepted range and what is to be mended in it.
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const auto field = static_cast<LifeCycleField>(i);
        entryUnits_[i]->setText(unitText(kEntries[i].unit, currency));
        QString description = q(acceptedRange(field, separators));
        for (const EntryProblem& problem : outcome.problems)
            if (problem.field == field)
                description = q(problem.message.text) + ' ' + description;
        setAccessible(*entries_[i],
                      withUnit(spoken(kEntries[i].label), spokenUnit(kEntries[i].unit, currency)),
                      description);
    }
    QStringList lines;
    for (const Message& m : outcome.messages)
        lines << q(m.text);
    messages_->setText(lines.join('\n'));
    messages_->setAccessibleDescription(lines.join(' '));
    messages_->setVisible(!lines.isEmpty());
    renderFigures(outcome);
}

// Every figure, the table and the chart, through the report's one layout.
void SavingsWindow::renderFigures(const LifeCycleOutcome& outcome) {
    const Separators separators = localeSeparators();
    CalculationReport sections;
    appendLifeCycleSections(sections, outcome);
    const ReportLayout layout = layoutReport(sections, separators);
    for (std::size_t i = 0; i < kOutputCount; ++i) {
        const std::vector<LayoutCell>* row = layout.row(kOutputs[i].key);
        const bool shown = row != nullptr && row->size() > 2;
        const QString unit = shown ? QString::fromStdString((*row)[2].text) : QString();
        outputs_[i]->setText(shown ? QString::fromStdString((*row)[1].text) : QString());
        outputs_[i]->setCursorPosition(0);
        outputUnits_[i]->setText(unit);
        // The figure's working, as the report writes it, says what it means.
        const QString working = shown && row->size() > 3 ? QString::fromStdString((*row)[3].text) : QString();
        setAccessible(*outputs_[i], withUnit(spoken(kOutputs[i].label), shown ? unit : "no figure"), working);
    }
    const LayoutTable* byYear = layout.table(keys::kPaybackByYear);
    showLayoutTable(*table_,
                    byYear != nullptr ? *byYear
                                      : layoutTable(ownershipTable(outcome.currency, nullptr), separators),
                    Headers::Narrow);
    fitTable();
    chart_->setData(ownershipChartOf(outcome).value_or(
        OwnershipChartData{{}, {}, std::nullopt, QString::fromStdString(outcome.currency)}));
}

} // namespace pumpvale
