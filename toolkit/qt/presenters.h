#pragma once

#include <string>

#include "toolkit/core/dialogs.h"

namespace korvanta {

// The Qt presenters behind the toolkit's seams, installed by Application.

// A modal QMessageBox with the text, shown as plain text, and one "OK".
void ShowMessageBox(const std::string& text);

// Modal QFileDialogs. A filter is a Qt name filter such as
// "Text files (*.txt *.csv)"; an empty one offers every file. The save dialog
// asks before it replaces an existing file.
DialogPresenter QtDialogPresenter();

}  // namespace korvanta
