// A file read whole for a window, without ever waiting on it.
//
// What is not a regular file is refused before it is opened: a named pipe that no one writes would
// wait forever, /dev/zero never ends, a folder is no list. A regular file is opened without waiting,
// checked again once open (the name may have been given to something else meanwhile), and read whole
// when it holds at most maxBytes; past that it is refused, whatever its size said (a file of /proc says
// 0, a file may grow while read), or, asked for, its first maxBytes are kept (a long list's start).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace pumpvale::cases {

enum class FileRefusal {
    None,
    CannotOpen, // the system's reason in FileContents::error: missing, no permission...
    Folder,
    NamedPipe,
    Device,
    Socket,
    TooLarge,
    CannotRead, // opened, then a read failed (an I/O error)
};

struct FileContents {
    std::string bytes;
    FileRefusal refusal = FileRefusal::None;
    int error = 0;     // errno, for CannotOpen and CannotRead
    bool whole = true; // false: the file goes on past bytes
};

enum class PastTheBound { Refuse, KeepTheStart };

FileContents readWholeFile(const std::string& path, std::size_t maxBytes,
                           PastTheBound past = PastTheBound::Refuse);

} // namespace pumpvale::cases
