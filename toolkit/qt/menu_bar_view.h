#pragma once

class QMenuBar;
class QWidget;

namespace korvanta {

class MenuBar;

// Builds a window's own Qt menu bar from the shared model (a QMenuBar belongs
// to one window). Every command goes through the toolkit's handler guard: the
// standard Edit items act on the focused text control, any other item runs
// its Action. Each menu sets its AutoEnabled items' states as it opens. The
// model must outlive the bar.
QMenuBar* BuildMenuBar(const MenuBar& model, QWidget* parent);

}  // namespace korvanta
