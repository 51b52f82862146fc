// Finding the program's own modules: the parts loaded only when first needed, so that start-up does not
// pay for them.
#pragma once

#include <QCoreApplication>
#include <QLibrary>

namespace pumpvale {

// Loads library from fromBinDir (relative to the program's folder, where the installed program finds
// it) or else from built (the build tree). False when neither loads; library.errorString() says why.
inline bool loadModule(QLibrary& library, const char* fromBinDir, const char* built) {
    if (library.isLoaded())
        return true;
    for (const QString& candidate :
         {QCoreApplication::applicationDirPath() + "/" + fromBinDir, QString(built)}) {
        library.setFileName(candidate);
        if (library.load())
            return true;
    }
    return false;
}

} // namespace pumpvale
