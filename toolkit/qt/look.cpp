#include "toolkit/qt/look.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "toolkit/qt/palette.h"
#include "toolkit/qt/style.h"

namespace korvanta {

void ApplyLook() {
  if (QStyle* style = NewToolkitStyle(kStyleName)) QApplication::setStyle(style);
  // Set after the style, which would otherwise bring its own palette.
  QApplication::setPalette(LightPalette());
  QApplication::setFont(ToolkitFont(0.0));
}

QFont ToolkitFont(double design_size) {
  QFont font(kFontFamily);
  font.setStyleHint(QFont::SansSerif);
  // Set as every control sets it: left at its default, the application's
  // font (menu bars, dialogs) would differ from an unstretched control's in
  // that field alone, and Qt would match and load the same face twice.
  font.setStretch(QFont::Unstretched);
  int pixels = kDefaultFontPixels;
  if (design_size > 0.0) {
    const double scaled = design_size * kDefaultFontPixels / kDesignDefaultPoints;
    pixels = static_cast<int>(std::lround(std::clamp(scaled, 1.0, 400.0)));
  }
  font.setPixelSize(pixels);
  return font;
}

}  // namespace korvanta
