// Cases kept in files: "Open Case..." and "Save Case..." around the main window.
//
// A case is a duty list (cases/duty_list.h). Save writes the window's entries and choices as a one-row
// duty list, the columns carried through from the file it was opened from (a tag, a location) kept.
// Open reads a duty list, lets the user choose a row when it holds several (CasePicker), puts the
// row's values into the entries and presses through the steps as a user would, in the order
// cases/window_run.h gives: the window shows the same messages, in the same order, and stops where it
// would stop, with the entries left in place to correct. A file named on the command line or dropped on
// the window opens the same way.
//
// A window past step one is first brought back with its own buttons ("Press to Run Again", then "Go
// Back"), which show nothing; each entry and choice is then put back to its starting text without a
// change event, as a window just opened holds it, so every edit check runs on the new texts as it
// would in a new window.
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

class Form2;
class MessageSink;
struct MainWindowControls;

class CaseFiles final : public QObject {
    Q_OBJECT
public:
    // A child of window, living as long as it; its own messages go to messages, the window's sink.
    CaseFiles(Form2& window, MessageSink& messages);

    QAction& openAction() const { return *open_; }
    QAction& saveAction() const { return *save_; }

    // Ask for a file, then open or save it.
    void openCase();
    void saveCase();

    // Opens the duty list at path: the row that a spreadsheet numbers row, or, when none is given and
    // the file holds several, the one the user chooses. False when nothing was put into the window (a
    // message said why, or the user cancelled).
    bool openFile(const QString& path, std::optional<std::size_t> row = std::nullopt);
    // Writes the window's case to path; false when it could not be written (a message said why).
    bool saveTo(const QString& path);

    // The window's entries and choices, as a duty list's row holds them.
    cases::DutyPoint entries() const;
    // The columns carried through from the file the case was opened from.
    const cases::CarriedCells& carried() const { return carried_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill(const cases::DutyPoint& point);
    void backToStepOne();
    void putBackStartingState(const cases::DutyPoint& point);
    bool press(QAbstractButton* button);
    bool windowGoesOn() const;
    void showFailure(MessageId id, const QString& text, const char* title);
    QString suggestedSaveName() const;

    Form2& window_;
    const MainWindowControls& c_;
    MessageSink& messages_;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    // Each entry and the text it starts with, taken when the window is built.
    std::array<std::pair<QLineEdit*, QString>, 9> startingTexts_{};
    cases::CarriedCells carried_;
    QString openedFrom_; // the file of the last case opened
    std::size_t openedRow_ = 0;
    bool openedFromList_ = false; // the file held several duty points
    bool wasShown_ = false;       // the window was on screen when a fill began
    // The last failure's text: a Message only views its text, and a sink may keep the message (a test's
    // recorder does) after show() returns.
    std::string failure_;
};

} // namespace pumpvale
