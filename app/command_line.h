// pumpvale's command line, read before Qt starts: --help and --version answer without a display, and an
// option that is neither the program's nor Qt's is told in one line.
#pragma once

#include <string>

namespace pumpvale::command_line {

enum class Request { Run, Help, Version, Refused };

struct Reading {
    Request request = Request::Run;
    std::string refusal; // for Refused: what is wrong, for one line after "pumpvale: "
};

// argv as main() receives it. Qt's own options (-platform NAME, -style=NAME, -reverse...; with one dash
// or two) are let through for QApplication to take.
Reading read(int argc, const char* const* argv);

// What --help prints.
std::string usage();

} // namespace pumpvale::command_line
