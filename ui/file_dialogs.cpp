#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace pumpvale::file_dialogs {
namespace {

QString& rememberedFolder() {
    static QString folder; // for the run only
    return folder;
}

// The dialog reads its settings when made and writes them when destroyed, through the user's settings
// of the organisation "QtProject". Under a path that is a device rather than a folder there is nothing
// to read, and nothing can be written (no folder can be made there, not even by the superuser).
void keepNoSettings() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

std::optional<QString> chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().front();
    rememberedFolder() = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

QString lastFolder() {
    return rememberedFolder().isEmpty() ? QDir::homePath() : rememberedFolder();
}

QString firstSuffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\*\.([^\s);]+))"));
    return pattern.match(filter).captured(1);
}

std::optional<QString> askToOpen(QWidget* parent, const QString& caption, const QString& filters,
                                 const QString& start) {
    keepNoSettings();
    QFileDialog dialog(parent, caption, start.isEmpty() ? lastFolder() : start, filters);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

std::optional<SaveChoice> askToSave(QWidget* parent, const QString& caption, const QString& suggested,
                                    const QString& filters, const QString& filter) {
    keepNoSettings();
    const QString start =
        QFileInfo(suggested).isAbsolute() ? suggested : QDir(lastFolder()).filePath(suggested);
    QFileDialog dialog(parent, caption, start, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!filter.isEmpty())
        dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(firstSuffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& selected) {
        dialog.setDefaultSuffix(firstSuffixOf(selected));
    });
    const std::optional<QString> path = chosen(dialog);
    if (!path)
        return std::nullopt;
    return SaveChoice{*path, dialog.selectedNameFilter()};
}

} // namespace pumpvale::file_dialogs
