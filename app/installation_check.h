// pumpvale --check-installation OUT.pdf: proves that the program as installed works end to end, without
// a person. It drives the worked example through the real main window (the typed controls, clicked and
// typed as a user would, every handler through its guard), opens the details window and prints the
// report into OUT.pdf. Continuous integration runs it on the unpacked package, offscreen.
#pragma once

#include <QString>

namespace pumpvale {

// 0 when every stage worked; otherwise 1, with a line on stderr naming the stage that failed.
int checkInstallation(const QString& pdfPath);

} // namespace pumpvale
