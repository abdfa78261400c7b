// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

#pragma once

#include <string>
#include <string_view>

// Every file the program writes (a picture from the command line or its
// window, the settings) is written as the user meant it, and whole or not at
// all where the system allows:
// - A regular file is written into a new file beside it, flushed to the disk
//   and checked, then renamed over it, with the old file's mode, owner and
//   group. On a full disk, a file-size limit or any other failure the old file
//   stays as it was and no new file is left behind. Any name the system takes
//   works: the new file's name is cut to fit beside a 255-byte one.
// - A link is followed and its target written, so the link keeps pointing to
//   it. A loop of links is refused, as the shell refuses it.
// - What the shell would refuse is refused: a file the user may not write
//   (a read-only file of the user's own; root may write it, as in the shell).
// - A file that a rename would change in what the user had is written in
//   place instead: one with other hard links (every name shows the new
//   text), one whose owner or group the new file cannot be given, one in a
//   folder the user may not write in. Its old length is reserved first where
//   the system can, so that a full disk is found before a byte changes.
// - A stream is written into where it stands, never replaced: standard
//   output and error, any /proc/self/fd/N or /dev/fd/N, whatever they point
//   at (a pipe, a terminal, a file opened for appending or truncation), and
//   what is no regular file (a terminal, a FIFO, /dev/full). Each write is
//   checked. A stream of the program's own is written through its open
//   descriptor, after what the program printed to it: a caller that buffers
//   output to it flushes first.
namespace whole_file {

// Empty when the file was written, otherwise the system's reason ("No space
// left on device", "Permission denied", "Too many levels of symbolic links").
std::string write(const std::string& path, std::string_view bytes);

}  // namespace whole_file
