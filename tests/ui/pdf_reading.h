// A PDF read back as a user's tools read it (poppler's pdftotext, pdfinfo, pdffonts).
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace pumpvale::testing {

// What program writes to its standard output, given up to 20 seconds.
inline QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace pumpvale::testing
