#pragma once

#include <optional>
#include <string_view>

class QWidget;

namespace korvanta {

// The standard editing commands, known by the Name of their menu item. They
// act on the text control that has the focus (a text field or text area).
enum class EditCommand { kUndo, kCut, kCopy, kPaste, kClear, kSelectAll };

// EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll.
std::optional<EditCommand> EditCommandNamed(std::string_view name);

// Whether the command would do anything to target now: Undo only with
// something to undo, Cut and Delete only with a selection in an editable
// control, Copy with a selection, Paste with text on the clipboard in an
// editable control, Select All with some text. Anything but a text control
// (or no target at all) can do none of them.
bool CanRunEditCommand(EditCommand command, const QWidget* target);
// Runs the command on target when it can; otherwise does nothing.
void RunEditCommand(EditCommand command, QWidget* target);

}  // namespace korvanta
