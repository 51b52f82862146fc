#include "ui/case_files.h"

#include "core/messages.h"
#include "ui/case_picker.h"
#include "ui/form2.h"
#include "ui/keys_window.h"
#include "ui/message_sink.h"
#include "ui/shortcuts.h"
#include "ui/window_parts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <string>
#include <vector>

namespace pumpvale {
namespace {

using parts::qText;

// A plant survey is dozens of rows; a list past this is for pumpvale-batch, not a list to choose from.
constexpr std::size_t kMaxRowsToChoose = 10000;

constexpr const char* kFilter = "Duty lists (*.csv);;All files (*)";

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The one local file a drag carries, if it carries exactly one.
std::optional<QString> droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile();
}

void uncheckSilently(QRadioButton* option) {
    if (!option->isChecked())
        return;
    const QSignalBlocker quiet(option);
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

CaseFiles::CaseFiles(Form2& window, MessageSink& messages)
    : QObject(&window), window_(window), c_(window.controls()), messages_(messages) {
    setObjectName("CaseFiles");
    open_ = addKeyedAction(window, keys::kOpenCase);
    save_ = addKeyedAction(window, keys::kSaveCase);
    save_->setEnabled(false);
    connect(open_, &QAction::triggered, this, &CaseFiles::openCase);
    connect(save_, &QAction::triggered, this, &CaseFiles::saveCase);
    connect(&window, &Form2::stepOneAccepted, save_, [this] { save_->setEnabled(true); });
    connect(&window, &Form2::stepOneReopened, save_, [this] { save_->setEnabled(false); });

    // The unit system group holds the unit options; it is the one group shown in every state.
    auto* units = qobject_cast<QGroupBox*>(c_.Option9->parentWidget());
    for (QGroupBox* group : {units, c_.Frame1, c_.Frame2, c_.Frame4, c_.Frame7}) {
        if (group == nullptr)
            continue;
        group->setContextMenuPolicy(Qt::ActionsContextMenu);
        group->addActions({open_, save_});
        group->setToolTip(offeredActions({keys::kOpenCase, keys::kSaveCase}, "this group"));
    }

    startingTexts_ = {{{c_.Text1, {}},
                       {c_.Text2, {}},
                       {c_.Text3, {}},
                       {c_.Text6, {}},
                       {c_.Text7, {}},
                       {c_.Text8, {}},
                       {c_.Text9, {}},
                       {c_.Text4, {}},
                       {c_.Text5, {}}}};
    for (auto& [entry, text] : startingTexts_)
        text = entry->text();

    // A file dropped anywhere on the window opens, an entry included (which would otherwise take the
    // file's name as text).
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QLineEdit* entry : {c_.Text1, c_.Text2, c_.Text3, c_.Text4, c_.Text5, c_.Text6, c_.Text7, c_.Text8,
                             c_.Text9, c_.Text10, c_.Text11, c_.Text12})
        entry->installEventFilter(this);
}

bool CaseFiles::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const auto file = droppedFile(drop->mimeData());
    if (!file)
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    // Opened once the drop is over: the messages and the list are modal, and the source waits for the
    // drop to end.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, path = *file] { openFile(path); });
    return true;
}

void CaseFiles::openCase() {
    const QString start = openedFrom_.isEmpty() ? QDir::homePath() : QFileInfo(openedFrom_).absolutePath();
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Open Case"), start,
                                                      QString::fromLatin1(kFilter));
    if (!path.isEmpty())
        openFile(path);
}

void CaseFiles::saveCase() {
    if (!window_.isStepOneAccepted())
        return;
    QFileDialog dialog(&window_, QStringLiteral("Save Case"), suggestedSaveName(),
                       QString::fromLatin1(kFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveTo(dialog.selectedFiles().front());
}

// The file opened from, when it held this case alone; else a new name beside it, or in the home folder.
QString CaseFiles::suggestedSaveName() const {
    if (openedFrom_.isEmpty())
        return QDir::home().filePath(QStringLiteral("duty-point.csv"));
    const QFileInfo opened(openedFrom_);
    if (!openedFromList_)
        return opened.absoluteFilePath();
    return opened.dir().filePath(
        QStringLiteral("%1-row-%2.csv").arg(opened.completeBaseName()).arg(openedRow_));
}

bool CaseFiles::saveTo(const QString& path) {
    const std::string text = cases::oneRowDutyList(entries(), carried_);
    QSaveFile file(path);
    const bool saved =
        file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
        file.commit();
    if (!saved)
        showFailure(
            MessageId::CaseNotSaved,
            QStringLiteral("The case could not be saved to \"%1\": %2.").arg(shown(path), file.errorString()),
            "Save Case");
    return saved;
}

bool CaseFiles::openFile(const QString& path, std::optional<std::size_t> row) {
    const auto refuse = [&](const QString& reason) {
        showFailure(MessageId::CaseNotOpened,
                    QStringLiteral("The case could not be opened from \"%1\": %2").arg(shown(path), reason),
                    "Open Case");
        return false;
    };
    // QFile says why a file cannot be read (missing, a folder, no permission); the stream reads it.
    QFile probe(path);
    if (QFileInfo(path).isDir() || !probe.open(QIODevice::ReadOnly))
        return refuse((QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : probe.errorString()) +
                      QLatin1Char('.'));
    probe.close();
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    cases::DutyListReader reader(in);
    if (const auto error = reader.start())
        return refuse(error->line == 0
                          ? qText(error->text)
                          : QStringLiteral("line %1: %2").arg(error->line).arg(qText(error->text)));

    std::vector<cases::DutyRow> rows;
    cases::DutyRow read;
    while (rows.size() <= kMaxRowsToChoose && reader.next(read))
        rows.push_back(read);
    if (const auto& error = reader.error())
        return refuse(QStringLiteral("line %1: %2").arg(error->line).arg(qText(error->text)));
    if (rows.empty())
        return refuse(QStringLiteral("it holds a header row and no duty point."));
    if (rows.size() > kMaxRowsToChoose)
        return refuse(QStringLiteral("it holds more than %1 duty points, too many to choose from; "
                                     "pumpvale-batch costs a list of any length.")
                          .arg(kMaxRowsToChoose));

    std::size_t chosen = 0;
    if (row) {
        const auto found =
            std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.row == *row; });
        if (found == rows.end())
            return refuse(QStringLiteral("it has no duty point in row %1.").arg(*row));
        chosen = static_cast<std::size_t>(found - rows.begin());
    } else if (rows.size() > 1) {
        CasePicker picker(QFileInfo(path).fileName(), reader.header(), rows, &window_);
        if (picker.exec() != QDialog::Accepted)
            return false;
        chosen = picker.chosen();
    }
    const cases::DutyRow& taken = rows[chosen];
    if (!taken.point)
        return refuse(qText(taken.refusal));

    // Columns the duty list does not define are the pump's own (a tag, a location): kept for Save.
    carried_.clear();
    for (std::size_t at = 0; at < reader.header().size() && at < taken.cells.size(); ++at) {
        const std::string name =
            QString::fromStdString(reader.header()[at]).trimmed().toLower().toStdString();
        const bool known = std::any_of(cases::kColumns.begin(), cases::kColumns.end(),
                                       [&](const cases::ColumnSpec& known) { return known.name == name; });
        if (!known)
            carried_.emplace_back(reader.header()[at], taken.cells[at]);
    }
    openedFrom_ = QFileInfo(path).absoluteFilePath();
    openedRow_ = taken.row;
    openedFromList_ = rows.size() > 1;
    fill(*taken.point);
    return true;
}

// --- Filling the window as a user would ---

bool CaseFiles::windowGoesOn() const {
    return !wasShown_ || window_.isVisible();
}

// Clicks button when the user could: shown and enabled. False when the window was closed meanwhile.
bool CaseFiles::press(QAbstractButton* button) {
    if (button->isVisibleTo(&window_) && button->isEnabled())
        button->click();
    return windowGoesOn();
}

void CaseFiles::backToStepOne() {
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(c_.Command5), static_cast<QAbstractButton*>(c_.Command7),
          static_cast<QAbstractButton*>(c_.Command1)})
        if (!press(button))
            return;
}

// The entries' starting texts and no choice the point does not make, with no change event: a window
// just opened holds them, and shows nothing for them.
void CaseFiles::putBackStartingState(const cases::DutyPoint& point) {
    for (const auto& [entry, text] : startingTexts_) {
        const QSignalBlocker quiet(entry);
        entry->setText(text);
    }
    if (point.stages == PumpStages::None)
        for (QRadioButton* option : {c_.Option7, c_.Option8})
            uncheckSilently(option);
    for (QRadioButton* option : c_.inletOptions())
        uncheckSilently(option);
    if (point.currency.empty()) {
        const QSignalBlocker quiet(c_.Combo1);
        c_.Combo1->setCurrentIndex(-1);
    }
}

// In the order of cases/window_run.h; each step only where the window lets the user take it.
void CaseFiles::fill(const cases::DutyPoint& p) {
    const QPointer<Form2> alive(&window_);
    wasShown_ = window_.isVisible();
    const auto goesOn = [&] { return !alive.isNull() && windowGoesOn(); };
    const auto type = [&](QLineEdit* entry, const std::string& text) {
        if (goesOn())
            entry->setText(QString::fromStdString(text));
    };

    backToStepOne();
    if (!goesOn())
        return;
    putBackStartingState(p);
    if (!press(p.units == UnitSystem::SI ? c_.Option10 : c_.Option9))
        return;
    if (p.stages != PumpStages::None && !press(p.stages == PumpStages::One ? c_.Option7 : c_.Option8))
        return;
    type(c_.Text1, p.pressure);
    type(c_.Text2, p.flow);
    type(c_.Text3, p.airPressure);
    type(c_.Text6, p.weeks);
    type(c_.Text7, p.days);
    type(c_.Text8, p.hours);
    if (const int at = c_.Combo1->findText(QString::fromStdString(p.currency)); at >= 0 && goesOn()) {
        c_.Combo1->setCurrentIndex(at);
        emit c_.Combo1->activated(at); // as a choice in the list does: it fills in the usual price
    }
    type(c_.Text9, p.price);
    if (!goesOn() || !press(c_.Command2) || !window_.isStepOneAccepted())
        return;
    if (c_.Command3->isVisibleTo(&window_)) {
        if (p.inlet && !press(c_.inletOptions()[static_cast<std::size_t>(*p.inlet)]))
            return;
        if (!press(c_.Command3) || !c_.Text4->isVisibleTo(&window_) || !c_.Text4->isEnabled())
            return;
        type(c_.Text4, p.compressorStages);
        type(c_.Text5, p.compressorEfficiency);
    }
    if (goesOn())
        press(c_.Command4);
}

cases::DutyPoint CaseFiles::entries() const {
    const auto text = [](const QLineEdit* entry) { return entry->text().toStdString(); };
    cases::DutyPoint p;
    p.units = c_.Option9->isChecked()    ? UnitSystem::English
              : c_.Option10->isChecked() ? UnitSystem::SI
                                         : UnitSystem::None;
    p.stages = c_.Option7->isChecked()   ? PumpStages::One
               : c_.Option8->isChecked() ? PumpStages::Two
                                         : PumpStages::None;
    p.pressure = text(c_.Text1);
    p.flow = text(c_.Text2);
    p.airPressure = text(c_.Text3);
    p.weeks = text(c_.Text6);
    p.days = text(c_.Text7);
    p.hours = text(c_.Text8);
    p.currency = c_.Combo1->currentIndex() >= 0 ? c_.Combo1->currentText().toStdString() : std::string();
    p.price = text(c_.Text9);
    const auto options = c_.inletOptions();
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            p.inlet = kInletSizes[i];
    p.compressorStages = text(c_.Text4);
    p.compressorEfficiency = text(c_.Text5);
    return p;
}

void CaseFiles::showFailure(MessageId id, const QString& text, const char* title) {
    failure_ = text.toStdString();
    messages_.show(Message{id, failure_, title, MessageIcon::Stop});
}

} // namespace pumpvale
