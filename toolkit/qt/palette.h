#pragma once

class QPalette;

namespace korvanta {

// The light palette that the designs' colours were chosen for: black text on
// white text fields and areas, black (or the credit line's blue) labels on a
// light grey window. It holds every role of every colour group, so it is the
// same on every desktop: Qt's style would otherwise take the desktop theme's
// colours (dark grey under a dark theme), and the designs' black text would
// stand on them. On a desktop without a theme of its own, it equals the
// Fusion style's standard palette, so nothing changes there.
QPalette LightPalette();

}  // namespace korvanta
