#pragma once

#include <QColor>
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

}  // namespace korvanta
