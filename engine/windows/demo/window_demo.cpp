// A manual look at the two report windows, filled as the engine fills them.
//
//   cmake -S . -B build -G Ninja -DKORVANTA_WINDOW_DEMO=ON
//   ninja -C build korvanta_window_demo
//   xvfb-run -a -s '-screen 0 1024x768x24' build/engine/windows/korvanta_window_demo /tmp
//
// With a folder it writes results.png, param.png and controls.png there (each
// window as Qt draws it) and quits; without one it stays open until
// File > Exit. The third window holds controls of the kinds and sizes the main
// window uses, to check that no caption or text is cut off in the toolkit's
// font.
#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>

#include "engine/models.h"
#include "engine/windows/report_windows_on_screen.h"
#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "toolkit/core/format.h"
#include "toolkit/core/text.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/menu_item.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/radio_button.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace {

using korvanta::MenuItem;

std::unique_ptr<MenuItem> Item(std::unique_ptr<MenuItem> item, const std::string& name,
                               const std::string& text, const std::string& shortcut = "") {
  item->SetName(name);
  item->SetText(text);
  item->SetShortcut(shortcut);
  return item;
}

std::unique_ptr<MenuItem> Item(const std::string& name, const std::string& text,
                               const std::string& shortcut = "") {
  return Item(std::make_unique<MenuItem>(), name, text, shortcut);
}

void BuildMenus(korvanta::MenuBar& bar) {
  bar.AddMenu(Item("FileMenu", "&File"));
  bar.Child("FileMenu")
      .AddMenu(Item(std::make_unique<korvanta::QuitMenuItem>(), "FileQuit", "E&xit"));
  bar.AddMenu(Item("EditMenu", "&Edit"));
  MenuItem& edit = bar.Child("EditMenu");
  edit.AddMenu(Item("EditUndo", "&Undo", "Ctrl+Z"));
  edit.AddMenu(Item("EditSeparator1", "-"));
  edit.AddMenu(Item("EditCut", "Cu&t", "Ctrl+X"));
  edit.AddMenu(Item("EditCopy", "&Copy", "Ctrl+C"));
  edit.AddMenu(Item("EditPaste", "&Paste", "Ctrl+V"));
  edit.AddMenu(Item("EditClear", "&Delete"));
  edit.AddMenu(Item("EditSeparator2", "-"));
  edit.AddMenu(Item("EditSelectAll", "Select &All", "Ctrl+A"));
}

// Controls at the main window's sizes, with its longest texts.
class ControlsSample : public korvanta::Window {
 protected:
  void Layout() override {
    SetProperties({{"Width", 400},
                   {"Height", 330},
                   {"Title", "Controls"},
                   {"Visible", true},
                   {"MenuBarVisible", true}});
  }
  void CreateControls() override {
    using korvanta::DesignList;
    const auto place = [](const char* name, int left, int top, int width, int height,
                          const char* parent) -> DesignList {
      return {{"Name", name},   {"Left", left},     {"Top", top},
              {"Width", width}, {"Height", height}, {"InitialParent", parent}};
    };
    const auto group = [&](const char* name, int l, int t, int w, int h, const char* caption) {
      CreateControl<korvanta::GroupBox>(name, place(name, l, t, w, h, "")).SetCaption(caption);
    };
    const auto button = [&](const char* name, int l, int t, const char* parent, const char* text) {
      CreateControl<korvanta::PushButton>(name, place(name, l, t, 80, 22, parent)).SetCaption(text);
    };
    const auto field = [&](const char* name, int l, int t, int w, const char* parent,
                           const char* text, int align) {
      auto& f = CreateControl<korvanta::TextField>(name, place(name, l, t, w, 22, parent));
      f.SetTextAlignment(align);
      f.SetText(text);
    };
    const auto label = [&](const char* name, int l, int t, int w, const char* parent,
                           const char* text) -> korvanta::Label& {
      auto& lbl = CreateControl<korvanta::Label>(name, place(name, l, t, w, 20, parent));
      lbl.SetTextAlignment(2);
      lbl.SetText(text);
      return lbl;
    };
    const auto radio = [&](const char* name, int t, const char* text) {
      CreateControl<korvanta::RadioButton>(name, place(name, 38, t, 120, 20, "grpIO2"))
          .SetCaption(text);
    };
    group("grpIO", 20, 5, 354, 123, "Files");
    button("btnControl", 27, 45, "grpIO", "Control");
    button("btnOutput", 27, 70, "grpIO", "Output");
    button("btnPoints", 27, 95, "grpIO", "Points");
    field("txtControl", 120, 45, 175, "grpIO", "control_points.csv", 0);
    field("txtOutput", 120, 70, 175, "grpIO", "transformed.csv", 0);
    field("txtNumControl", 320, 45, 40, "grpIO", "25", 2);
    field("txtNumPoints", 320, 95, 40, "grpIO", "50", 2);
    label("lblNumber", 315, 20, 50, "grpIO", "Number");
    group("grpIO2", 20, 138, 258, 162, "Select a transformation");
    radio("radConformal", 178, "Conformal");
    radio("radAffine", 203, "Affine");
    radio("radProject", 228, "Projective");
    field("txtConformDF", 221, 178, 40, "grpIO2", "16", 2);
    field("txtAffineDF", 221, 203, 40, "grpIO2", "14", 2);
    field("txtProjectDF", 221, 228, 40, "grpIO2", "12", 2);
    label("lblDF", 205, 153, 70, "grpIO2", "Redundancy");
    label("lblMinControl", 125, 153, 60, "grpIO2", "Min Cntrl");
    label("lblConCtrl", 140, 178, 30, "grpIO2", "2");
    label("lblAffCtrl", 140, 203, 30, "grpIO2", "3");
    label("lblProjCtrl", 140, 228, 30, "grpIO2", "4");
    button("btnParam", 38, 260, "grpIO2", "Coefficients");
    button("btnTransform", 300, 162, "", "Transform");
    button("btnHelp", 300, 196, "", "Help");
    button("btnReset", 300, 230, "", "Reset");
    button("btnQuit", 300, 264, "", "Quit");
    korvanta::Label& credit = label("lblCredit", 4, 310, 122, "", "Credit line, 2024");
    credit.SetTextAlignment(0);
    credit.SetTextColor(korvanta::Color{255});
    credit.SetFontSize(10);
    credit.SetItalic(true);
  }
};

void FillReports(korvanta::ReportWindows& windows) {
  using korvanta::Format;
  const std::string eol(korvanta::EndOfLine);
  korvanta::TextWindow& param = windows.ParamWindow();
  param.SetText("");
  param.SetTitle(std::string(korvanta::kConformal.param_title));
  param.SetVisible(true);
  param.AddText("6 degrees of freedom" + eol + eol);
  const char* values[] = {"0.99987654321", "-0.0123456789", "500123.456789", "4199876.54321"};
  for (int i = 0; i < 4; ++i) {
    param.AddText(std::string(korvanta::kConformal.labels[static_cast<std::size_t>(i)]) + "=  " +
                  values[i] + "   \xC2\xB1" + "0.00012345" + eol);
  }

  windows.ResultsWindow().SetTitle(std::string(korvanta::kConformal.results_title));
  windows.ResultsWindow().SetVisible(true);
  for (int i = 1; i <= 14; ++i) {
    const double e = 500000.0 + 123.4567 * i;
    const double n = 4200000.0 - 98.7654 * i;
    windows.ResultsWindow().AddText("P" + std::to_string(i) + ", " + Format(e, "-########.0000") +
                                    ", " + Format(n, "-########.0000") + ", " +
                                    Format(0.0123 * i, "###0.00000") + ", " +
                                    Format(0.0456, "###0.00000") + eol);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The menus outlive the application, whose end takes the windows along.
  korvanta::MenuBar bar;
  BuildMenus(bar);
  korvanta::Application::SetSupportsHiDPI(true);
  korvanta::Application application(argc, argv);
  application.SetMenuBar(&bar);

  korvanta::ReportWindowsOnScreen windows;
  FillReports(windows);
  korvanta::ImplicitInstance<korvanta::wndParam>().Widget()->move(20, 20);
  korvanta::ImplicitInstance<korvanta::wndResults>().Widget()->move(360, 20);
  korvanta::ImplicitInstance<ControlsSample>().Widget()->move(20, 380);

  if (argc > 1) {
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(500, [&application, folder] {
      korvanta::ImplicitInstance<korvanta::wndResults>().Widget()->grab().save(folder +
                                                                               "/results.png");
      korvanta::ImplicitInstance<korvanta::wndParam>().Widget()->grab().save(folder + "/param.png");
      korvanta::ImplicitInstance<ControlsSample>().Widget()->grab().save(folder + "/controls.png");
      application.Quit(0);
    });
  }
  return application.Run();
}
