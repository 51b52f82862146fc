// The files the user names, as the windows read and write them.
//
// A case file is read whole, within a bound and only when it is a regular file, so that opening never
// keeps the window waiting (cases/file_reading.h). A file is written whole or not at all: each step is
// checked to the end and the first failure cancels the writing, so the file already there stays as it
// was. Both say why they failed in the system's words ("No space left on device"), for a message that
// names the file.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace pumpvale::user_files {

// A case file holds at most this. A plant survey is dozens of rows, a list to choose from ten thousand
// at most; a larger list is for pumpvale-batch, which reads any length.
inline constexpr std::size_t kMaxCaseFileBytes = std::size_t{16} << 20;

// path as a message names it: native separators, and the middle of a very long path left out.
QString shownPath(const QString& path);

struct CaseFileBytes {
    std::string bytes;
    QString refusal;   // why it cannot be opened, as the end of a sentence; empty when read
    bool whole = true; // false: a list's start, the file going on past kMaxCaseFileBytes
};
// With listStart, a file past the bound gives its start, for the plant list to read on.
CaseFileBytes readCaseFile(const QString& path, bool listStart = false);

// Writes bytes to path whole or not at all; the reason when it could not.
std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes);

} // namespace pumpvale::user_files
