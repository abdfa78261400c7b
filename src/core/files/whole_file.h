#pragma once

#include <string>
#include <string_view>

// Every file the program writes (a picture from the command line or its
// window, the settings) is written whole or not at all: into a new file
// beside it, flushed to the disk and checked, then renamed over it. On a
// full disk, a file-size limit or any other failure the old file stays as
// it was and no new file is left behind. A link is followed and its target
// replaced; what is no regular file (a terminal, a FIFO, /dev/full) cannot
// be replaced and is written directly, each write checked.
namespace whole_file {

// Empty when the file was written, otherwise the system's reason ("No space
// left on device").
std::string write(const std::string& path, std::string_view bytes);

}  // namespace whole_file
