#pragma once

#include <string>

namespace korvanta {

// What the engine needs of a report window: its title, whether it is shown,
// and its one text area. The Qt windows implement it; tests record it.
class TextWindow {
 public:
  virtual ~TextWindow() = default;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Replaces the whole text of the window's text area.
  virtual void SetText(const std::string& text) = 0;
  // Appends to the text area.
  virtual void AddText(const std::string& text) = 0;
};

// The engine's two report windows. Each call addresses the window's one
// instance anew, building it from its design when none is open.
class ReportWindows {
 public:
  virtual ~ReportWindows() = default;
  virtual TextWindow& ParamWindow() = 0;
  virtual TextWindow& ResultsWindow() = 0;
};

}  // namespace korvanta
