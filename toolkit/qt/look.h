#pragma once

class QFont;

namespace korvanta {

// The look of every Korvanta window, chosen in this one place. The designs
// were drawn for a narrower system font than Linux offers, so the toolkit
// uses the Fusion style with its own light palette (LightPalette, the same
// on every desktop, dark themes included) and a fixed-size DejaVu Sans
// (fonts-dejavu-core; its condensed face for text areas from
// fonts-dejavu-extra), small enough that every caption, label and field text
// fits its design box: push buttons 80 x 22, text fields 22 high, labels 20
// high, "Redundancy" in 70 pixels.
inline constexpr const char* kStyleName = "Fusion";
inline constexpr const char* kFontFamily = "DejaVu Sans";
inline constexpr int kDefaultFontPixels = 11;
// The design size that the default font stands for: a design FontSize of 0
// means the default; any other size is scaled by kDefaultFontPixels /
// kDesignDefaultPoints, so a size keeps its proportion to the default text.
inline constexpr double kDesignDefaultPoints = 9.0;

// Sets the style, palette and default font of the running QApplication.
void ApplyLook();

// The font for a design FontSize (0: the toolkit's default size).
QFont ToolkitFont(double design_size);

}  // namespace korvanta
