#pragma once

#include <string>
#include <vector>

#include "toolkit/core/folder_item.h"

namespace korvanta {

// Replaces the whole content of the file with the lines, each ended with LF.
//
// A regular file with one name, in a folder that takes a new file, holds
// either all of the new lines or its earlier content, never a part: the lines
// go to a temporary file beside it, which is synced and renamed over it. The
// temporary file is created open to its owner alone and, before a byte is
// written to it, given the earlier file's owner, extended attributes (its
// ACL among them; not file capabilities, which any write drops) and mode,
// so that after the rename everyone may do exactly what they could before;
// a new file gets the mode any new file gets there.
// Everywhere else the file is written in place, as a plain write would do
// it, so that nothing but its content changes:
// - symbolic links are followed to the end of the chain and stay; a link
//   that leads nowhere yet gets its target created;
// - a file with more than one name (hard links) keeps every name;
// - a file whose folder refuses the temporary file or its rename, or whose
//   owner or extended attributes a replacement could not keep (a security.*
//   attribute the user may not set), is written where it is;
// - a file that is itself a mount point (a bind-mounted single file) is
//   written where it is: no rename can replace it, and the folder beside it
//   may be another file system, read-only or full;
// - in a folder marked append-only or immutable no temporary file is made,
//   since none could be renamed or removed there: the file is written where
//   it is, and created first where it is new;
// - a FIFO or a character device is written through; a FIFO that no program
//   reads is refused at once instead of waited on.
// A file the user may not write (a read-only file) is refused with the
// system's reason, even where the folder would let a replacement in.
// Writing in place first takes from the file system the room the lines
// need, so that a full disk refuses the write with the file as it was; where
// the file system cannot set room aside, the room is made by writing the
// part of the lines beyond the earlier content's end first, and the file is
// cut back to its earlier length where that fails. Then the lines go over the
// earlier content, the file is cut to their length and synced.
//
// A size limit (`ulimit -f`) fails the write with EFBIG instead of ending the
// program, and a FIFO whose reader has gone fails it with EPIPE. SIGTERM,
// SIGINT and SIGHUP that arrive while a temporary file exists, or while a
// regular file is written in place, take effect once it has been renamed
// into place or removed, or the write in place has ended: the program still
// ends, with the file holding its earlier content or the new lines whole.
// Through a FIFO or a character device they end it at once, as ever.
//
// Throws IOException (the errno and the system's text) when the file is as
// it was, also where a write in place failed before a byte of the earlier
// content changed; IncompleteFileException when the failure came after bytes
// of the earlier content changed; and FileKindException for a kind of file
// that is not written (a block device, a socket). No temporary file is left
// behind.
void ReplaceFileLines(const FolderItem& file, const std::vector<std::string>& lines);

// What choosing the output file does to it, by the same rules, and without
// ever blocking or changing a byte: a file that does not exist (also the one
// a link leads to) is created, empty; an existing regular file is opened for
// writing and closed again, so that what would refuse the write (permissions,
// a read-only file system) is known at once, while the file keeps its
// content until a write replaces it; a FIFO or a character device is only
// checked for writing, since opening it would wait for a reader or hand one
// an early end. Throws as ReplaceFileLines does; an IOException's message
// ends with the file's path in quotes.
void CreateOrCheckWritable(const FolderItem& file);

}  // namespace korvanta
