#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "toolkit/qt/design.h"

namespace korvanta {

inline constexpr Color kDesignWhite{0x00FFFFFF};
inline constexpr Color kDesignBlack{0x00000000};

// What tells one window's design from another's. Every other key of the list
// holds the value all windows share: close, maximize and minimize buttons, no
// full-screen button, resizeable, maximum 32000 x 32000, placement code 0, no
// background colour of its own (the stored white does not apply), menu bar
// shown.
struct WindowDesignValues {
  std::int64_t width = 0;
  std::int64_t height = 0;
  // Unless a window says otherwise, it can be made as small as 64 x 64.
  std::int64_t minimum_width = 64;
  std::int64_t minimum_height = 64;
  std::int64_t type = 0;  // the frame kind
  std::string_view title{};
  bool visible = false;
};

// The window's 21 keys, in their stored order.
DesignList WindowDesign(const WindowDesignValues& values);

struct DesignPlace {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The edges of its container to which a control keeps its distance.
struct DesignLocks {
  bool left = false;
  bool top = false;
  bool right = false;
  bool bottom = false;
};

inline constexpr DesignLocks kLockLeftTop{true, true, false, false};
inline constexpr DesignLocks kLockLeftTopRight{true, true, true, false};
inline constexpr DesignLocks kLockTopRight{false, true, true, false};
inline constexpr DesignLocks kLockLeftBottom{true, false, false, true};
inline constexpr DesignLocks kLockRightBottom{false, false, true, true};
inline constexpr DesignLocks kLockAllEdges{true, true, true, true};

// What tells one control's design from the others of its class. Each builder
// below takes from here the keys its class has and gives every other key the
// value common to the class: no indexed control group, tab panel 0, a tab
// stop, no tooltip, the "System" font at the toolkit's default size, neither
// bold, italic nor underlined; push buttons are no cancel button; text areas
// are editable, text fields unless they say otherwise, both black on white and
// bordered, with no data binding.
struct ControlDesignValues {
  std::string_view name{};
  // The group box that holds the control, "" for the window itself; nothing
  // leaves the InitialParent key out of the list.
  std::optional<std::string_view> parent = std::string_view();
  DesignPlace place{};
  DesignLocks locks{};
  std::int64_t tab_index = 0;
  std::string_view content{};  // Caption of boxes and buttons, Text of fields, labels and areas
  bool enabled = true;
  bool visible = true;
  std::int64_t alignment = 0;       // TextAlignment of fields, labels and areas
  Color text_color = kDesignBlack;  // labels
  bool transparent = false;
  bool default_button = false;  // push buttons
  bool value = false;           // radio buttons
  bool read_only = false;       // text fields
};

// Each class's keys in their stored order: the 14 keys every class begins
// with (Name to AllowAutoDeactivate), those of the class, and InitialParent
// last.
DesignList GroupBoxDesign(const ControlDesignValues& values);
DesignList PushButtonDesign(const ControlDesignValues& values);
DesignList RadioButtonDesign(const ControlDesignValues& values);
DesignList TextFieldDesign(const ControlDesignValues& values);
DesignList LabelDesign(const ControlDesignValues& values);

// A text area's own keys stand in one of two stored orders: grouped as the
// buttons' are (states and font first, then text, scroll bars and look), or
// sorted by name.
enum class TextAreaKeyOrder { kGrouped, kByName };
DesignList TextAreaDesign(const ControlDesignValues& values, TextAreaKeyOrder order);

// The same entries, last one first: a window may store its lists that way.
DesignList Reversed(const DesignList& design);

}  // namespace korvanta
