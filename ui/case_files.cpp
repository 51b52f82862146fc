#include "ui/case_files.h"

#include "core/messages.h"
#include "ui/file_dialogs.h"
#include "ui/form2_controls.h"
#include "ui/keys_window.h"
#include "ui/message_sink.h"
#include "ui/plant_window.h"
#include "ui/shortcuts.h"
#include "ui/user_files.h"
#include "ui/window_parts.h"
#include "ui/workflow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <sstream>
#include <string>
#include <vector>

namespace pumpvale {
namespace {

using parts::qText;

constexpr const char* kFilter = "Duty lists (*.csv);;All files (*)";

QString shown(const QString& path) {
    return user_files::shownPath(path);
}

// The one local file a drag carries, if it carries exactly one.
std::optional<QString> droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile())
        return std::nullopt;
    return data->urls().front().toLocalFile();
}

} // namespace

CaseFiles::CaseFiles(QWidget& window, const MainWindowControls& controls, Workflow& workflow,
                     MessageSink& messages)
    : QObject(&window), window_(window), c_(controls), workflow_(workflow), messages_(messages) {
    setObjectName("CaseFiles");
    open_ = addKeyedAction(window, keys::kOpenCase);
    save_ = addKeyedAction(window, keys::kSaveCase);
    save_->setEnabled(false);
    connect(open_, &QAction::triggered, this, &CaseFiles::openCase);
    connect(save_, &QAction::triggered, this, &CaseFiles::saveCase);
    connect(&workflow, &Workflow::stepOneAccepted, save_, [this] { save_->setEnabled(true); });
    connect(&workflow, &Workflow::stepOneReopened, save_, [this] { save_->setEnabled(false); });

    // The unit system group holds the unit options; it is the one group shown in every state.
    auto* units = qobject_cast<QGroupBox*>(c_.Option9->parentWidget());
    for (QGroupBox* group : {units, c_.Frame1, c_.Frame2, c_.Frame4, c_.Frame7}) {
        if (group == nullptr)
            continue;
        group->setContextMenuPolicy(Qt::ActionsContextMenu);
        group->addActions({open_, save_});
        group->setToolTip(offeredActions({keys::kOpenCase, keys::kSaveCase}, "this group"));
    }

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
    const QString start = openedFrom_.isEmpty() ? QString() : QFileInfo(openedFrom_).absolutePath();
    if (const auto path = file_dialogs::askToOpen(&window_, QStringLiteral("Open Case"),
                                                  QString::fromLatin1(kFilter), start))
        openFile(*path);
}

void CaseFiles::saveCase() {
    if (!workflow_.isStepOneAccepted())
        return;
    if (const auto choice = file_dialogs::askToSave(&window_, QStringLiteral("Save Case"),
                                                    suggestedSaveName(), QString::fromLatin1(kFilter)))
        saveTo(choice->path);
}

// The file opened from, when it held this case alone; else a new name beside it, or in the home folder.
QString CaseFiles::suggestedSaveName() const {
    if (openedFrom_.isEmpty())
        return QDir(file_dialogs::lastFolder()).filePath(QStringLiteral("duty-point.csv"));
    const QFileInfo opened(openedFrom_);
    if (!openedFromList_)
        return opened.absoluteFilePath();
    return opened.dir().filePath(
        QStringLiteral("%1-row-%2.csv").arg(opened.completeBaseName()).arg(openedRow_));
}

bool CaseFiles::saveTo(const QString& path) {
    const std::optional<QString> failure = user_files::saveWhole(
        path, QByteArray::fromStdString(cases::savedCase(workflow_.session().currentCase())));
    if (failure)
        showFailure(MessageId::CaseNotSaved,
                    QStringLiteral("The case could not be saved to \"%1\": %2.").arg(shown(path), *failure),
                    "Save Case");
    return !failure;
}

bool CaseFiles::openFile(const QString& path, std::optional<std::size_t> row) {
    const auto refuse = [&](const QString& reason) { return refuseOpening(path, reason); };
    // Read within a bound and only when a regular file, before anything is taken from it: the whole
    // file for a row asked for, else its start, enough to tell one case from a plant's list.
    user_files::CaseFileBytes file = user_files::readCaseFile(path, !row);
    if (!file.refusal.isEmpty())
        return refuse(file.refusal);
    std::istringstream in(std::move(file.bytes));
    cases::DutyListReader reader(in);
    if (const auto error = reader.start())
        return refuse(error->line == 0
                          ? qText(error->text)
                          : QStringLiteral("line %1: %2").arg(error->line).arg(qText(error->text)));

    // The row asked for, or the first two: a file of several rows opens in the plant list, which reads
    // it whole off the window's thread.
    std::vector<cases::DutyRow> rows;
    cases::DutyRow read;
    while ((row ? rows.empty() : rows.size() < 2) && reader.next(read))
        if (!row || read.row == *row)
            rows.push_back(read);
    if (rows.size() > 1)
        return openPlantList(path);
    if (!file.whole) // no list of duty points: a row that long is no duty point
        return refuse(QStringLiteral("it is larger than %1 MB, and a duty list's rows are far shorter: "
                                     "its first %1 MB do not hold two of them.")
                          .arg(user_files::kMaxCaseFileBytes >> 20));
    if (const auto& error = reader.error())
        return refuse(QStringLiteral("line %1: %2").arg(error->line).arg(qText(error->text)));
    if (rows.empty())
        return refuse(row ? QStringLiteral("it has no duty point in row %1.").arg(*row)
                          : QStringLiteral("it holds a header row and no duty point."));
    return openRow(path, rows.front(), reader.caseOf(rows.front()), row.has_value());
}

bool CaseFiles::openPlantList(const QString& path) {
    auto* list = new PlantWindow(
        window_, path, [this, path](const cases::DutyRow& r, const Case& c) { openRow(path, r, c, true); });
    list->show();
    return true;
}

bool CaseFiles::openRow(const QString& path, const cases::DutyRow& row, const Case& c, bool fromList) {
    if (!row.point)
        return refuseOpening(path, qText(row.refusal));
    openedFrom_ = QFileInfo(path).absoluteFilePath();
    openedRow_ = row.row;
    openedFromList_ = fromList;
    workflow_.open(c);
    return true;
}

bool CaseFiles::refuseOpening(const QString& path, const QString& reason) {
    showFailure(MessageId::CaseNotOpened,
                QStringLiteral("The case could not be opened from \"%1\": %2").arg(shown(path), reason),
                "Open Case");
    return false;
}

const CarriedCells& CaseFiles::carried() const {
    return workflow_.session().currentCase().carried;
}

void CaseFiles::showFailure(MessageId id, const QString& text, const char* title) {
    failure_ = text.toStdString();
    messages_.show(Message{id, failure_, title, MessageIcon::Stop});
}

} // namespace pumpvale
