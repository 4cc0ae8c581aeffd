// The two file choices of the main window. Each proves at once that the
// chosen file can be used, so a file that cannot be read or written is
// reported when the user picks it, not later in the middle of a step. Neither
// ever waits: a FIFO is refused as input, and as output it is opened only
// when there is something to write.
#include "shell/winMain.h"
#include "toolkit/core/atomic_file.h"
#include "toolkit/core/dialogs.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"
#include "toolkit/core/text_stream.h"

namespace korvanta {

// An input file that cannot be opened is reported and the user may choose
// again: ending the program here would throw away the work in progress.
FolderItemRef winMain::GetInputFile() {
  FolderItemRef file = GetOpenFolderItem("");
  if (!file) return std::nullopt;
  try {
    TextInputStream stream = TextInputStream::Open(file);
    stream.Close();
  } catch (const IOException& e) {
    MessageBox("Cannot open " + Str(e.ErrorNumber()) + "  " + e.Message());
    return std::nullopt;
  } catch (const FileKindException& e) {
    MessageBox("Cannot open \"" + file->Name() + "\": " + e.what() + ".");
    return std::nullopt;
  }
  return file;
}

// The choice shows at once whether the output file can be written, and
// creates it, empty, where it does not exist; an existing file keeps its
// content until a transformation replaces it (see CreateOrCheckWritable).
FolderItemRef winMain::GetOutputFile() {
  FolderItemRef file = GetSaveFolderItem("", "");
  if (!file) return std::nullopt;
  try {
    CreateOrCheckWritable(*file);
  } catch (const IOException& e) {
    MessageBox("Could not create file: " + Str(e.ErrorNumber()) + " " + e.Message());
    return std::nullopt;
  } catch (const FileKindException& e) {
    MessageBox("Could not create file: \"" + file->Name() + "\": " + e.what() + ".");
    return std::nullopt;
  }
  return file;
}

}  // namespace korvanta
