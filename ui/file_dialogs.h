// The file dialogs of Open Case, Save Case and Export Report.
//
// Qt's file dialog keeps its history, its last folder and its sidebar in the user's settings
// (~/.config/QtProject.conf) each time one closes, whether the desktop's own dialog is used or Qt's.
// Pumpvale keeps no settings: the dialogs read and write no settings file, and the last folder a file
// was chosen in is remembered for the run alone, where the next dialog starts.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pumpvale::file_dialogs {

// The file chosen to open, or nothing; the dialog starts in start, or in the last folder chosen.
std::optional<QString> askToOpen(QWidget* parent, const QString& caption, const QString& filters,
                                 const QString& start = {});

struct SaveChoice {
    QString path;
    QString filter; // the filter selected when the name was accepted
};

// A name to save as, suggested as suggested (a bare name goes in the last folder chosen), with filter
// selected. A name typed without an ending gets the selected filter's first ending, before the dialog
// asks whether to replace a file of that name.
std::optional<SaveChoice> askToSave(QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filters, const QString& filter = {});

// "pdf" of "PDF document (*.pdf)": a filter's first ending, or empty.
QString firstSuffixOf(const QString& filter);

// The folder the next dialog starts in: the last one a file was chosen in, else the home folder.
QString lastFolder();

} // namespace pumpvale::file_dialogs
