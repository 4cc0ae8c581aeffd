#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <Qt>

#include "toolkit/qt/design.h"

namespace korvanta {

// The toolkit's TextAlignment codes: 0 the default (left), 1 left, 2 centre,
// 3 right. Other codes give the default.
inline Qt::Alignment HorizontalAlignment(int code) {
  switch (code) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

// A toolkit colour 0x00RRGGBB as Qt's (opaque) colour.
inline QColor ToQColor(Color color) {
  return QColor::fromRgb(color.value & 0xFFFFFFu);
}

// Gives a widget's text its design colour while it is usable; a disabled
// widget (or one in a disabled group box) keeps the style's grey, so the user
// sees at once what cannot be used.
inline void SetTextColorOf(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Active, role, ToQColor(color));
  palette.setColor(QPalette::Inactive, role, ToQColor(color));
  widget.setPalette(palette);
}

}  // namespace korvanta
