// Cases kept in files: "Open Case..." and "Save Case..." around the main window.
//
// A case is a duty list (cases/duty_list.h). Save writes the session's case as a one-row duty list: the
// entries as the window holds them, the Savings Over Time entries, and the columns carried through from
// the file it was opened from (a tag, a location). Open reads a duty list and opens its row in the
// session (Workflow::open), or shows a list of several rows in the plant list (PlantWindow), whose rows
// open the same way: the window shows the state that case reaches and the messages a user typing it into a
// calculator just opened would see, in order, whatever the window held before. A file named on the command
// line or dropped on the window opens the same way.
//
// Both actions are window actions with their keys (ui/shortcuts.h), offered on a right-click of the
// step one groups: the unit system, "Pressure and Flow Rate", the PC pump stages, the air pressure and
// the operating time and cost.
#pragma once

#include "cases/csv_writer.h"
#include "cases/duty_list.h"
#include "core/message_ids.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

class QAction;
class QLineEdit;
class QAbstractButton;

namespace pumpvale {

class MessageSink;
class Workflow;
struct MainWindowControls;

class CaseFiles final : public QObject {
    Q_OBJECT
public:
    // A child of window, living as long as it, working on its controls and its workflow; its own
    // messages go to messages, the window's sink.
    CaseFiles(QWidget& window, const MainWindowControls& controls, Workflow& workflow, MessageSink& messages);

    QAction& openAction() const { return *open_; }
    QAction& saveAction() const { return *save_; }

    // Ask for a file, then open or save it.
    void openCase();
    void saveCase();

    // Opens the duty list at path: the row that a spreadsheet numbers row, or, when none is given and
    // the file holds several, the plant list of them all, from which the user opens rows. False when
    // neither a case nor the list opened (a message said why).
    bool openFile(const QString& path, std::optional<std::size_t> row = std::nullopt);
    // Writes the session's case to path; false when it could not be written (a message said why).
    bool saveTo(const QString& path);

    // The columns carried through from the file the case was opened from.
    const CarriedCells& carried() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool openRow(const QString& path, const cases::DutyRow& row, const Case& c, bool fromList);
    bool openPlantList(const QString& path);
    bool refuseOpening(const QString& path, const QString& reason);
    void showFailure(MessageId id, const QString& text, const char* title);
    QString suggestedSaveName() const;

    QWidget& window_;
    const MainWindowControls& c_;
    Workflow& workflow_;
    MessageSink& messages_;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QString openedFrom_; // the file of the last case opened
    std::size_t openedRow_ = 0;
    bool openedFromList_ = false; // the file held several duty points
    // The last failure's text: a Message only views its text, and a sink may keep the message (a test's
    // recorder does) after show() returns.
    std::string failure_;
};

} // namespace pumpvale
