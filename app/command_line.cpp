#include "app/command_line.h"

#include <array>
#include <string_view>

namespace pumpvale::command_line {
namespace {

// Qt's options, as QGuiApplication and QApplication take them (without the leading dash): those
// followed by a value, then those alone.
constexpr std::array<std::string_view, 14> kQtOptionsWithValue{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "title",         "icon",
    "style",           "stylesheet"};
constexpr std::array<std::string_view, 6> kQtFlags{"reverse", "widgetcount", "testability",
                                                   "nograb",  "dograb",      "sync"};
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals{"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N> bool among(const std::array<std::string_view, N>& names, std::string_view name) {
    for (const std::string_view known : names)
        if (name == known)
            return true;
    return false;
}

constexpr std::string_view kCheck = "--check-installation";

} // namespace

Reading read(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return {Request::Help, {}};
        if (argument == "--version")
            return {Request::Version, {}};
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.size() < 2 || argument.front() != '-')
            continue; // a file
        if (argument == kCheck) {
            if (++i >= argc)
                return {Request::Refused, std::string(kCheck) + " needs the PDF file to print into"};
            continue;
        }
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (among(kQtOptionsWithValue, name)) {
            ++i;
            continue;
        }
        if (among(kQtFlags, name))
            continue;
        bool withEquals = false;
        for (const std::string_view prefix : kQtOptionsWithEquals)
            withEquals = withEquals || name.starts_with(prefix);
        if (!withEquals)
            return {Request::Refused, "unknown option " + std::string(argument)};
    }
    return {};
}

std::string usage() {
    return "Usage: pumpvale [FILE]\n"
           "       pumpvale --check-installation PDF\n"
           "Costs a progressive cavity pump against an AODD pump for one duty point, in a window.\n"
           "\n"
           "  FILE                       open the calculator with the case of the duty list FILE (CSV)\n"
           "  --check-installation PDF   take the worked example through the windows, print its report\n"
           "                             into PDF, and exit\n"
           "  -h, --help                 print this help and exit\n"
           "  --version                  print the version and exit\n"
           "Qt's own options are taken too, such as -platform offscreen.\n"
           "\n"
           "Exit status: 0 when the last window is closed; 1 when no display can be opened or the\n"
           "installation check fails; 2 for a wrong command line.\n"
           "pumpvale-batch costs a whole duty list from the command line. See pumpvale(1).\n";
}

} // namespace pumpvale::command_line
