#include "toolkit/qt/palette.h"

#include <QColor>
#include <QPalette>
#include <QRgb>
#include <array>

namespace korvanta {
namespace {

// Each role's colour while usable (the active and inactive groups, which
// agree) and while disabled, as 0xAARRGGBB.
struct RoleColors {
  QPalette::ColorRole role;
  QRgb usable;
  QRgb disabled;
};

constexpr std::array kLightRoles{
    RoleColors{QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
    RoleColors{QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    RoleColors{QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
    RoleColors{QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    RoleColors{QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
    RoleColors{QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    RoleColors{QPalette::Text, 0xFF000000, 0xFFBEBEBE},
    RoleColors{QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    RoleColors{QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
    RoleColors{QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    RoleColors{QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
    RoleColors{QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    RoleColors{QPalette::Highlight, 0xFF308CC6, 0xFF919191},
    RoleColors{QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    RoleColors{QPalette::Link, 0xFF0000FF, 0xFF0000FF},
    RoleColors{QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    RoleColors{QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
    RoleColors{QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    RoleColors{QPalette::ToolTipText, 0xFF000000, 0xFF000000},
    RoleColors{QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

}  // namespace

QPalette LightPalette() {
  QPalette palette;
  for (const RoleColors& entry : kLightRoles) {
    const QColor usable = QColor::fromRgba(entry.usable);
    palette.setColor(QPalette::Active, entry.role, usable);
    palette.setColor(QPalette::Inactive, entry.role, usable);
    palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.disabled));
  }
  return palette;
}

}  // namespace korvanta
