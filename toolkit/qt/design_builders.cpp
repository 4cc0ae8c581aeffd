#include "toolkit/qt/design_builders.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace korvanta {
namespace {

// Index: the control belongs to no indexed control group.
constexpr std::int64_t kNoControlSet = -2147483648LL;

using Entries = std::vector<DesignEntry>;

void Append(Entries& out, std::initializer_list<DesignEntry> entries) {
  out.insert(out.end(), entries);
}

std::string Text(std::string_view text) {
  return std::string(text);
}

// Name to AllowAutoDeactivate: the keys every class begins with.
void AddHead(Entries& out, const ControlDesignValues& v) {
  Append(out, {{"Name", Text(v.name)},
               {"Index", kNoControlSet},
               {"Left", v.place.left},
               {"Top", v.place.top},
               {"Width", v.place.width},
               {"Height", v.place.height},
               {"LockLeft", v.locks.left},
               {"LockTop", v.locks.top},
               {"LockRight", v.locks.right},
               {"LockBottom", v.locks.bottom},
               {"TabIndex", v.tab_index},
               {"TabPanelIndex", 0},
               {"TabStop", true},
               {"AllowAutoDeactivate", true}});
}

// The last key, where the list has it.
void AddTail(Entries& out, const ControlDesignValues& v) {
  if (v.parent) Append(out, {{"InitialParent", Text(*v.parent)}});
}

// The font in the order of buttons, fields and areas.
void AddFont(Entries& out) {
  Append(out, {{"FontName", "System"},
               {"FontSize", 0.0},
               {"FontUnit", 0},
               {"Bold", false},
               {"Italic", false},
               {"Underline", false}});
}

// The font in the order of group boxes and labels.
void AddBoxFont(Entries& out) {
  Append(out, {{"Bold", false},
               {"Italic", false},
               {"FontName", "System"},
               {"Underline", false},
               {"FontSize", 0.0},
               {"FontUnit", 0}});
}

// The states and the font, as buttons and grouped text areas hold them.
void AddStatesAndFont(Entries& out, const ControlDesignValues& v) {
  Append(out, {{"Enabled", v.enabled},
               {"Tooltip", ""},
               {"Transparent", v.transparent},
               {"Visible", v.visible}});
  AddFont(out);
}

}  // namespace

DesignList WindowDesign(const WindowDesignValues& values) {
  return DesignList{{"Width", values.width},
                    {"Height", values.height},
                    {"MinimumWidth", values.minimum_width},
                    {"MinimumHeight", values.minimum_height},
                    {"MaximumWidth", 32000},
                    {"MaximumHeight", 32000},
                    {"Type", values.type},
                    {"Title", Text(values.title)},
                    {"HasCloseButton", true},
                    {"HasMaximizeButton", true},
                    {"HasMinimizeButton", true},
                    {"HasFullScreenButton", false},
                    {"Resizeable", true},
                    {"Composite", false},
                    {"MacProcID", 0},
                    {"FullScreen", false},
                    {"DefaultLocation", 0},
                    {"Visible", values.visible},
                    {"HasBackgroundColor", false},
                    {"BackgroundColor", kDesignWhite},
                    {"MenuBarVisible", true}};
}

DesignList GroupBoxDesign(const ControlDesignValues& values) {
  Entries out;
  AddHead(out, values);
  Append(out, {{"Caption", Text(values.content)},
               {"Enabled", values.enabled},
               {"Tooltip", ""},
               {"Transparent", values.transparent},
               {"Visible", values.visible}});
  AddBoxFont(out);
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList PushButtonDesign(const ControlDesignValues& values) {
  Entries out;
  AddHead(out, values);
  Append(out, {{"MacButtonStyle", 0},
               {"Cancel", false},
               {"Caption", Text(values.content)},
               {"Default", values.default_button}});
  AddStatesAndFont(out, values);
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList RadioButtonDesign(const ControlDesignValues& values) {
  Entries out;
  AddHead(out, values);
  Append(out, {{"Caption", Text(values.content)}});
  AddStatesAndFont(out, values);
  Append(out, {{"Value", values.value}});
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList TextFieldDesign(const ControlDesignValues& values) {
  Entries out;
  AddHead(out, values);
  Append(out, {{"BackgroundColor", kDesignWhite},
               {"HasBorder", true},
               {"Enabled", values.enabled},
               {"Format", ""},
               {"Tooltip", ""},
               {"Password", false},
               {"TextColor", kDesignBlack},
               {"Transparent", values.transparent},
               {"AllowFocusRing", true},
               {"Visible", values.visible}});
  AddFont(out);
  Append(out, {{"Hint", ""},
               {"Text", Text(values.content)},
               {"AllowTabs", false},
               {"TextAlignment", values.alignment},
               {"AllowSpellChecking", false},
               {"MaximumCharactersAllowed", 0},
               {"ValidationMask", ""},
               {"ReadOnly", values.read_only},
               {"DataSource", ""},
               {"DataField", ""}});
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList LabelDesign(const ControlDesignValues& values) {
  Entries out;
  AddHead(out, values);
  Append(out, {{"Enabled", values.enabled},
               {"Tooltip", ""},
               {"Multiline", false},
               {"Selectable", false},
               {"TextAlignment", values.alignment},
               {"TextColor", values.text_color},
               {"Transparent", values.transparent},
               {"Text", Text(values.content)},
               {"Visible", values.visible}});
  AddBoxFont(out);
  Append(out, {{"DataSource", ""}, {"DataField", ""}});
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList TextAreaDesign(const ControlDesignValues& values, TextAreaKeyOrder order) {
  Entries out;
  AddHead(out, values);
  const std::ptrdiff_t head = std::ssize(out);
  AddStatesAndFont(out, values);
  Append(out, {{"Text", Text(values.content)},
               {"Multiline", true},
               {"ReadOnly", false},
               {"AllowStyledText", true},
               {"AllowTabs", false},
               {"AllowSpellChecking", true},
               {"MaximumCharactersAllowed", 0},
               {"TextAlignment", values.alignment},
               {"HasVerticalScrollbar", true},
               {"HasHorizontalScrollbar", false},
               {"TextColor", kDesignBlack},
               {"BackgroundColor", kDesignWhite},
               {"HasBorder", true},
               {"LineSpacing", 1.0},
               {"LineHeight", 0.0},
               {"HideSelection", true},
               {"AllowFocusRing", true},
               {"DataSource", ""},
               {"DataField", ""},
               {"Format", ""},
               {"ValidationMask", ""},
               {"UnicodeMode", 1}});
  if (order == TextAreaKeyOrder::kByName) {
    std::sort(out.begin() + head, out.end(),
              [](const DesignEntry& a, const DesignEntry& b) { return a.key < b.key; });
  }
  AddTail(out, values);
  return DesignList(std::move(out));
}

DesignList Reversed(const DesignList& design) {
  const Entries& entries = design.Entries();
  return DesignList(Entries(entries.rbegin(), entries.rend()));
}

}  // namespace korvanta
