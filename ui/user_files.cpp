#include "ui/user_files.h"

#include "cases/file_reading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pumpvale::user_files {
namespace {

// A path is shown whole up to this many characters; a longer one keeps its start and its end, where
// the file's name is.
constexpr qsizetype kLongestShownPath = 90;

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString refusalText(const cases::FileContents& read) {
    using cases::FileRefusal;
    switch (read.refusal) {
        case FileRefusal::CannotOpen:
            return systemReason(read.error) + QLatin1Char('.');
        case FileRefusal::Folder:
            return QStringLiteral("it is a folder.");
        case FileRefusal::NamedPipe:
            return QStringLiteral("it is a named pipe, not a file. Save the list to a file and open that.");
        case FileRefusal::Device:
            return QStringLiteral("it is a device, not a file.");
        case FileRefusal::Socket:
            return QStringLiteral("it is a socket, not a file.");
        case FileRefusal::TooLarge:
            return QStringLiteral("it is larger than %1 MB, more than a list to choose a case from. "
                                  "pumpvale-batch costs a list of any length.")
                .arg(kMaxCaseFileBytes >> 20);
        case FileRefusal::CannotRead:
            return QStringLiteral("it cannot be read: %1.").arg(systemReason(read.error));
        case FileRefusal::None:
            break;
    }
    return {};
}

// Qt refuses a file it cannot write in its own words ("Existing file ... is not writable"); the
// system's reason, found by opening the file for writing without changing it, says why.
QString openFailure(const QString& path, const QString& qtReason) {
    const QFileInfo existing(path);
    if (!existing.exists() || existing.isDir())
        return qtReason;
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return systemReason(errno);
    close(fd);
    return qtReason;
}

} // namespace

QString shownPath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() <= kLongestShownPath)
        return shown;
    constexpr qsizetype kStart = 30;
    return shown.left(kStart) + QChar(0x2026) + shown.right(kLongestShownPath - kStart - 1);
}

CaseFileBytes readCaseFile(const QString& path, bool listStart) {
    cases::FileContents read =
        cases::readWholeFile(QFile::encodeName(path).toStdString(), kMaxCaseFileBytes,
                             listStart ? cases::PastTheBound::KeepTheStart : cases::PastTheBound::Refuse);
    return {std::move(read.bytes), refusalText(read), read.whole};
}

std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return openFailure(path, file.errorString());
    // QSaveFile's commit does not see a write that failed while its buffer was flushed (a full disk
    // then leaves an empty or a cut file in place of the old one), nor a failed sync: each step is
    // checked here, and the first failure cancels the writing.
    std::optional<QString> failure;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failure = file.errorString();
    else if (fsync(file.handle()) != 0)
        failure = systemReason(errno);
    if (failure) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pumpvale::user_files
