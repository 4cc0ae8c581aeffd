#include "toolkit/qt/edit_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <array>
#include <utility>

namespace korvanta {
namespace {

constexpr std::array<std::pair<std::string_view, EditCommand>, 6> kNames{{
    {"EditUndo", EditCommand::kUndo},
    {"EditCut", EditCommand::kCut},
    {"EditCopy", EditCommand::kCopy},
    {"EditPaste", EditCommand::kPaste},
    {"EditClear", EditCommand::kClear},
    {"EditSelectAll", EditCommand::kSelectAll},
}};

bool ClipboardHasText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard != nullptr && !clipboard->text().isEmpty();
}

bool CanRunOn(EditCommand command, const QLineEdit& edit) {
  const bool editable = !edit.isReadOnly();
  switch (command) {
    case EditCommand::kUndo:
      return editable && edit.isUndoAvailable();
    case EditCommand::kCut:
    case EditCommand::kClear:
      return editable && edit.hasSelectedText();
    case EditCommand::kCopy:
      return edit.hasSelectedText() && edit.echoMode() == QLineEdit::Normal;
    case EditCommand::kPaste:
      return editable && ClipboardHasText();
    case EditCommand::kSelectAll:
      return !edit.text().isEmpty();
  }
  return false;
}

// QPlainTextEdit and QTextEdit share these members.
template <class Edit>
bool CanRunOn(EditCommand command, const Edit& edit) {
  const bool editable = !edit.isReadOnly();
  const bool selection = edit.textCursor().hasSelection();
  switch (command) {
    case EditCommand::kUndo:
      return editable && edit.document()->isUndoAvailable();
    case EditCommand::kCut:
    case EditCommand::kClear:
      return editable && selection;
    case EditCommand::kCopy:
      return selection;
    case EditCommand::kPaste:
      return editable && edit.canPaste();
    case EditCommand::kSelectAll:
      return !edit.document()->isEmpty();
  }
  return false;
}

// Delete: the selection goes and the clipboard stays as it was; a line edit
// does it itself, the text edits through their cursor.
void ClearSelection(QLineEdit& edit) {
  edit.del();
}

template <class Edit>
void ClearSelection(Edit& edit) {
  QTextCursor cursor = edit.textCursor();
  cursor.removeSelectedText();
  edit.setTextCursor(cursor);
}

// QLineEdit, QPlainTextEdit and QTextEdit share the other commands' members.
template <class Edit>
void RunOn(EditCommand command, Edit& edit) {
  switch (command) {
    case EditCommand::kUndo:
      edit.undo();
      break;
    case EditCommand::kCut:
      edit.cut();
      break;
    case EditCommand::kCopy:
      edit.copy();
      break;
    case EditCommand::kPaste:
      edit.paste();
      break;
    case EditCommand::kClear:
      ClearSelection(edit);
      break;
    case EditCommand::kSelectAll:
      edit.selectAll();
      break;
  }
}

}  // namespace

std::optional<EditCommand> EditCommandNamed(std::string_view name) {
  for (const auto& [known, command] : kNames) {
    if (known == name) return command;
  }
  return std::nullopt;
}

bool CanRunEditCommand(EditCommand command, const QWidget* target) {
  if (const auto* line = qobject_cast<const QLineEdit*>(target)) return CanRunOn(command, *line);
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(target)) {
    return CanRunOn(command, *plain);
  }
  if (const auto* rich = qobject_cast<const QTextEdit*>(target)) return CanRunOn(command, *rich);
  return false;
}

void RunEditCommand(EditCommand command, QWidget* target) {
  if (!CanRunEditCommand(command, target)) return;
  if (auto* line = qobject_cast<QLineEdit*>(target)) {
    RunOn(command, *line);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(target)) {
    RunOn(command, *plain);
  } else if (auto* rich = qobject_cast<QTextEdit*>(target)) {
    RunOn(command, *rich);
  }
}

}  // namespace korvanta
