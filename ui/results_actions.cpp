#include "ui/results_actions.h"

#include "aodd/comparison_report.h"
#include "core/life_cycle_report.h"
#include "ui/comparison_text.h"
#include "ui/cost_chart.h"
#include "ui/details_window.h"
#include "ui/form2.h"
#include "ui/keys_window.h"
#include "ui/message_sink.h"
#include "ui/report_export.h"
#include "ui/report_layouts.h"
#include "ui/report_printing.h"
#include "ui/result_box_fit.h"
#include "ui/savings_window.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

namespace pumpvale {
namespace {

constexpr std::array kAmounts{ResultAmount::AoddCost, ResultAmount::PcCost, ResultAmount::Savings};

// An action of the window from the key table, off until a result is shown.
QAction* addAction(QWidget& window, const KeyEntry& entry,
                   QKeySequence::StandardKey standard = QKeySequence::UnknownKey) {
    QAction* action = addKeyedAction(window, entry, standard);
    action->setEnabled(false);
    return action;
}

} // namespace

ResultsActions::ResultsActions(Form2& window)
    : QObject(&window), window_(window), case_(window.operatingCase()), costs_(window.annualCosts()),
      comparison_(comparisonControls(window.controls())) {
    setObjectName("ResultsActions");
    const MainWindowControls& c = window.controls();
    QGroupBox* results = c.Frame8;
    boxes_ = {c.Text11, c.Text10, c.Text12};

    details_ = addAction(window, keys::kDetails);
    copy_ = addAction(window, keys::kCopy, QKeySequence::Copy);
    print_ = addAction(window, keys::kPrint, QKeySequence::Print);
    export_ = addAction(window, keys::kExport);
    connect(details_, &QAction::triggered, this, &ResultsActions::showDetails);
    connect(copy_, &QAction::triggered, this, &ResultsActions::copyResults);
    connect(print_, &QAction::triggered, this, &ResultsActions::printReport);
    connect(export_, &QAction::triggered, this, &ResultsActions::exportReport);
    savings_ = addAction(window, keys::kSavings);
    connect(savings_, &QAction::triggered, this, &ResultsActions::showSavings);

    results->setContextMenuPolicy(Qt::ActionsContextMenu);
    results->setToolTip(offeredActions(
        {keys::kDetails, keys::kCopy, keys::kPrint, keys::kExport, keys::kSavings}, "here or on a result"));
    results->addActions({details_, copy_, print_, export_, savings_});
    connect(&window, &Form2::resultsShown, this, [this] { resultsShownChanged(true); });
    connect(&window, &Form2::resultsWithdrawn, this, [this] { resultsShownChanged(false); });
    window.installEventFilter(this);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit* box = boxes_[i];
        designFonts_[i] = box->font();
        cutMarks_[i] = makeCutMark(*box);
        box->installEventFilter(this);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QLineEdit::textChanged, this, &ResultsActions::resultsChanged);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](QPoint where) { showBoxMenu(*box, where); });
    }
}

DetailsWindow* ResultsActions::detailsWindow() const {
    return detailsWindow_;
}

CalculationReport ResultsActions::report() const {
    const ComparisonContext context = comparisonContext(comparison_, case_);
    return reportOf(context, compareInletSizes(context.duty));
}

// The working, its energy and what "Savings Over Time" holds, then every inlet size compared (rows) at the
// same duty point.
CalculationReport ResultsActions::reportOf(const ComparisonContext& context,
                                           const InletComparison& rows) const {
    CalculationReport r = buildCalculationReport(case_, costs_);
    appendLifeCycleSections(r, case_, costs_,
                            savingsWindow_ != nullptr ? savingsWindow_->inputs() : LifeCycleInputs{});
    r.sections.push_back(inletComparisonSection(context.duty, rows, context.selected));
    return r;
}

ReportPage ResultsActions::page() const {
    const ComparisonContext context = comparisonContext(comparison_, case_);
    const InletComparison rows = compareInletSizes(context.duty);
    return {
        localeLayout(reportOf(context, rows)),
        CostChartView{costChartData(context.duty), rows, context.units, context.currency, context.selected},
        QDateTime::currentDateTime(),
        savingsWindow_ != nullptr ? savingsWindow_->reportChart() : std::nullopt};
}

void ResultsActions::showDetails() {
    if (detailsWindow_ == nullptr)
        detailsWindow_ = new DetailsWindow(window_, *copy_, *print_, *export_);
    detailsWindow_->setReportLayout(localeLayout(report()));
    detailsWindow_->show();
    detailsWindow_->raise();
    detailsWindow_->activateWindow();
}

void ResultsActions::showSavings() {
    if (savingsWindow_ == nullptr) {
        savingsWindow_ = new SavingsWindow(window_, case_, costs_);
        connect(savingsWindow_, &SavingsWindow::entriesChanged, this, [this] {
            if (detailsWindow_ != nullptr)
                detailsWindow_->setReportLayout(localeLayout(report()));
        });
    }
    savingsWindow_->resultsChanged();
    savingsWindow_->show();
    savingsWindow_->raise();
    savingsWindow_->activateWindow();
}

void ResultsActions::copyResults() {
    const ReportLayout layout = localeLayout(report());
    auto* data = new QMimeData;
    data->setText(reportPlainText(layout));
    data->setHtml("<html><body><p><b>" + QString::fromStdString(layout.title).toHtmlEscaped() + "</b></p>\n" +
                  reportHtmlTables(layout) + "</body></html>");
    QGuiApplication::clipboard()->setMimeData(data);
}

void ResultsActions::printReport() {
    const ReportPage shown = page();
    QWidget* over = &window_;
    if (detailsWindow_ != nullptr && detailsWindow_->isActiveWindow())
        over = detailsWindow_;
    printing::printWithDialog(over, localePageSize(QLocale()),
                              [&shown](QPagedPaintDevice& device) { paintReportPages(device, shown); });
}

printing::Outcome ResultsActions::printReportToPdf(const QString& path) const {
    const ReportPage shown = page();
    return printing::printToPdf(path, localePageSize(QLocale()),
                                [&shown](QPagedPaintDevice& device) { paintReportPages(device, shown); });
}

void ResultsActions::resultsShownChanged(bool shown) {
    shown_ = shown;
    for (QAction* action : {details_, copy_, print_, export_, savings_})
        action->setEnabled(shown);
    if (shown) {
        resultsChanged();
        return;
    }
    if (detailsWindow_ != nullptr)
        detailsWindow_->close(); // its figures are no longer the window's
    if (savingsWindow_ != nullptr)
        savingsWindow_->resultWithdrawn(); // it stays, with its entries, for the next result
}

void ResultsActions::exportReport() {
    QWidget* over = &window_;
    if (detailsWindow_ != nullptr && detailsWindow_->isActiveWindow())
        over = detailsWindow_;
    QString filter;
    const QString chosen = QFileDialog::getSaveFileName(over, "Export Report", "Pumpvale report.pdf",
                                                        report_export::filters(), &filter);
    if (chosen.isEmpty())
        return;
    const report_export::Format format = report_export::formatOf(filter, chosen);
    const QString path = report_export::withSuffix(chosen, format);
    if (const std::optional<QString> failure = report_export::write(path, format, page())) {
        // A sink may keep the message, which only points at its text.
        exportFailure_ = failure->toStdString();
        if (sink_ != nullptr)
            sink_->show({MessageId::ReportNotExported, exportFailure_, "Export Report"});
        else
            QMessageBox::warning(over, "Export Report", *failure);
    }
}

bool ResultsActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        if (detailsWindow_ != nullptr)
            detailsWindow_->close();
        if (savingsWindow_ != nullptr)
            savingsWindow_->close(); // hidden; its entries stay
    } else if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+C in a box copies the box's selection; without one, it copies the results.
        auto* box = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (box != nullptr && key->matches(QKeySequence::Copy) && !box->hasSelectedText())
            return true;
    }
    return QObject::eventFilter(watched, event);
}

// The figures changed or came into view: fit each box and say in its tooltip how its amount came about.
// While the results are hidden nothing is shown of them: a handler that fills the three boxes and then
// shows the group has them fitted once, when the group appears, not once for each box as well.
void ResultsActions::resultsChanged() {
    if (!shown_)
        return;
    // The boxes' derivations need the working only, not the inlet comparison the full report adds.
    const CalculationReport working = buildCalculationReport(case_, costs_);
    const Separators separators = localeSeparators();
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        QLineEdit& box = *boxes_[i];
        std::optional<Fitted>& last = fitted_[i];
        if (last && last->text == box.text() && last->size == box.size()) {
            box.setCursorPosition(0);
        } else {
            last = Fitted{box.text(), box.size(), fitAmount(box, *cutMarks_[i], designFonts_[i])};
        }
        QString tip;
        if (!box.text().isEmpty() && !box.isHidden()) {
            tip = QString::fromStdString(amountDerivation(working, kAmounts[i], separators));
            if (last->fit.cut)
                tip = "The amount is too long for the box; in full:\n" + box.text() + "\n\n" + tip;
        }
        box.setToolTip(tip);
    }
    if (savingsWindow_ != nullptr)
        savingsWindow_->resultsChanged();
    if (detailsWindow_ != nullptr)
        detailsWindow_->setReportLayout(localeLayout(report()));
}

void ResultsActions::showBoxMenu(QLineEdit& box, QPoint where) {
    QMenu* menu = box.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addActions({details_, copy_, print_, export_, savings_});
    menu->popup(box.mapToGlobal(where));
}

} // namespace pumpvale
