#include "ui/results_actions.h"

#include "aodd/comparison_report.h"
#include "core/life_cycle_report.h"
#include "ui/comparison_text.h"
#include "ui/cost_chart.h"
#include "ui/details_window.h"
#include "ui/form2_controls.h"
#include "ui/keys_window.h"
#include "ui/message_sink.h"
#include "ui/report_export.h"
#include "ui/report_layouts.h"
#include "ui/report_printing.h"
#include "ui/result_box_fit.h"
#include "ui/savings_window.h"
#include "ui/shortcuts.h"
#include "ui/workflow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
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

ResultsActions::ResultsActions(QWidget& window, const MainWindowControls& controls, Workflow& workflow)
    : QObject(&window), window_(window), workflow_(workflow) {
    setObjectName("ResultsActions");
    const MainWindowControls& c = controls;
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

    // Every action the keys list has for a result, Save Case and Compare Inlet Sizes (the window's, made
    // before this part) among them.
    for (const KeyEntry& entry : kResultKeys)
        if (QAction* offered = keyedAction(window, entry))
            offered_.append(offered);
    results->setContextMenuPolicy(Qt::ActionsContextMenu);
    results->setToolTip(offeredActions(kResultKeys, "here or on a result"));
    results->addActions(offered_);
    connect(&workflow, &Workflow::resultsShown, this, [this] { resultsShownChanged(true); });
    connect(&workflow, &Workflow::resultsWithdrawn, this, [this] { resultsShownChanged(false); });
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
    return document().report;
}

// The working with the case's identity, its energy and the Savings Over Time figures of its entries,
// then every inlet size compared at the same duty point: all from the session. The page's ownership
// chart is drawn from the life cycle its table by year was written from.
ResultsActions::Document ResultsActions::document() const {
    const Session& session = workflow_.session();
    const ComparisonContext context = comparisonContext(session);
    InletComparison rows = compareInletSizes(context.duty);
    const LifeCycleOutcome lifeCycle = workOutLifeCycle(session);
    CalculationReport r = buildCalculationReport(session.record(), session.costs());
    r.identity = caseIdentity(session.currentCase().carried);
    appendLifeCycleSections(r, lifeCycle);
    r.sections.push_back(inletComparisonSection(context.duty, rows, context.selected));
    return {std::move(r), context, std::move(rows), ownershipChartOf(lifeCycle)};
}

ReportPage ResultsActions::page() const {
    Document d = document();
    return {localeLayout(d.report),
            CostChartView{costChartData(d.context.duty), std::move(d.rows), d.context.units,
                          d.context.currency, d.context.selected},
            QDateTime::currentDateTime(), std::move(d.ownershipChart)};
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
        savingsWindow_ = new SavingsWindow(window_, workflow_);
        connect(savingsWindow_, &SavingsWindow::entriesChanged, this, [this] {
            if (detailsWindow_ != nullptr)
                detailsWindow_->setReportLayout(localeLayout(report()));
        });
    }
    savingsWindow_->show();
    savingsWindow_->raise();
    savingsWindow_->activateWindow();
}

void ResultsActions::copyResults() {
    const ReportLayout layout = localeLayout(report());
    auto* data = new QMimeData;
    data->setText(reportPlainText(layout));
    data->setHtml("<html><head><meta charset=\"utf-8\"></head><body><p><b>" +
                  QString::fromStdString(layout.title).toHtmlEscaped() + "</b></p>\n" +
                  reportHtmlHead(layout) + reportHtmlTables(layout) + "</body></html>");
    QGuiApplication::clipboard()->setMimeData(data);
}

void ResultsActions::printReport() {
    const ReportPage shown = page();
    QWidget* over = &window_;
    if (detailsWindow_ != nullptr && detailsWindow_->isActiveWindow())
        over = detailsWindow_;
    QString failure;
    if (printing::printWithDialog(over, localePageSize(QLocale()), shown, &failure) ==
        printing::Outcome::Failed)
        tellFailure(MessageId::ReportNotPrinted, failure, "Print Report", over);
}

printing::Outcome ResultsActions::printReportToPdf(const QString& path) const {
    return printing::printToPdf(path, localePageSize(QLocale()), page());
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
}

void ResultsActions::exportReport() {
    QWidget* over = &window_;
    if (detailsWindow_ != nullptr && detailsWindow_->isActiveWindow())
        over = detailsWindow_;
    const std::optional<report_export::Destination> chosen = report_export::askDestination(over);
    if (!chosen)
        return;
    if (const std::optional<QString> failure = report_export::write(chosen->path, chosen->format, page()))
        tellFailure(MessageId::ReportNotExported, *failure, "Export Report", over);
}

void ResultsActions::tellFailure(MessageId id, const QString& text, const char* title, QWidget* over) {
    // A sink may keep the message, which only points at its text.
    failure_ = text.toStdString();
    if (sink_ != nullptr)
        sink_->show({id, failure_, title});
    else
        QMessageBox::warning(over, QString::fromLatin1(title), text);
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
    const CalculationReport working =
        buildCalculationReport(workflow_.session().record(), workflow_.session().costs());
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
    if (detailsWindow_ != nullptr)
        detailsWindow_->setReportLayout(localeLayout(report()));
}

void ResultsActions::showBoxMenu(QLineEdit& box, QPoint where) {
    QMenu* menu = box.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addActions(offered_);
    menu->popup(box.mapToGlobal(where));
}

} // namespace pumpvale
