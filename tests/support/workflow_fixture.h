#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/wnd_param.h"
#include "engine/windows/wnd_results.h"
#include "shell/winMain.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/shared_arrays.h"
#include "tests/support/shell_fixture.h"
#include "tests/support/temp_files.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta::testing {

// Five control points that every model fits exactly:
// E = 2x + 0.5y + 100, N = -0.5x + 2y + 200.
inline constexpr std::string_view kExactControl =
    "C1,100,200,0,0\nC2,300,150,100,0\nC3,350,350,100,100\nC4,150,400,0,100\nC5,215,235,50,30\n";
inline constexpr std::string_view kExactPoints = "Q1,10,20\nQ2,60,80\nQ3,-40,-300\n";
// kExactPoints through that fit, with no residuals and so no spread.
inline constexpr std::string_view kExactOutput =
    "Q1, 130.0000, 235.0000, 0.00000, 0.00000\n"
    "Q2, 260.0000, 330.0000, 0.00000, 0.00000\n"
    "Q3, -130.0000, -380.0000, 0.00000, 0.00000\n";

using RadioAccessor = RadioButton& (winMain::*)() const;

// The main window as start-up leaves it, fresh shared arrays, a folder for
// the test's files and scripted file dialogs. Every step is taken as the
// user takes it: by pressing the control, which does nothing while the
// control cannot be used.
class WorkflowTest : public ShellTest {
 protected:
  void SetUp() override {
    ResetSharedArrays();
    window_ = &ImplicitInstance<winMain>();
  }

  winMain& Main() const { return *window_; }

  static FolderItem Example(const std::string& name) {
    return FolderItem(std::filesystem::path(KORVANTA_SOURCE_DIR) / "examples" / name);
  }
  FolderItem Write(const std::string& name, std::string_view text) const {
    return folder.Write(name, text);
  }

  // Each answers the step's dialog with the file, or cancels for nothing.
  void ChooseControl(FolderItemRef file) {
    dialogs.AnswerOpen(std::move(file));
    Main().btnInControlFile().Press();
  }
  void ChooseOutput(FolderItemRef file) {
    dialogs.AnswerSave(std::move(file));
    Main().btnOutFile().Press();
  }
  void ChoosePoints(FolderItemRef file) {
    dialogs.AnswerOpen(std::move(file));
    Main().btnPointFile().Press();
  }
  void Select(RadioAccessor radio) { (Main().*radio)().Press(); }
  void PressCoefficients() { Main().btnParam().Press(); }
  void PressTransform() { Main().btnTransform().Press(); }

  // The whole first pass: control, model, coefficients, output, points,
  // transform.
  void CompletePass(const FolderItem& control, RadioAccessor model, const FolderItem& output,
                    const FolderItem& points) {
    ChooseControl(control);
    Select(model);
    PressCoefficients();
    ChooseOutput(output);
    ChoosePoints(points);
    PressTransform();
  }
  void CompleteExactPass(RadioAccessor model) {
    CompletePass(Write("control.csv", kExactControl), model, folder.Item("out.csv"),
                 Write("points.csv", kExactPoints));
  }

  static std::string ResultsText() {
    return IsOpen<wndResults>() ? ImplicitInstance<wndResults>().txtTransformed().Text() : "";
  }
  static std::string ReportText() {
    return IsOpen<wndParam>() ? ImplicitInstance<wndParam>().txtParam().Text() : "";
  }
  static bool ReportShown() { return IsOpen<wndParam>() && ImplicitInstance<wndParam>().Visible(); }

  std::string Messages() const {
    std::string all;
    for (const auto& text : messages.texts) all += "[" + text + "]\n";
    return all;
  }

  // Everything the workflow keeps, one line per item: every control's
  // states, text and selection, the three file references, the counts and
  // the shared arrays.
  std::vector<std::string> Snapshot() const {
    std::vector<std::string> state;
    const winMain& w = Main();
    for (std::size_t i = 0; i < w.Window::ControlCount(); ++i) {
      const RectControl& control = w.ControlAt(i);
      std::string line = control.Name() + (control.Enabled() ? " enabled" : " disabled") +
                         (control.Visible() ? " shown" : " hidden");
      if (const auto* field = dynamic_cast<const TextField*>(&control)) {
        line += " \"" + field->Text() + "\"";
      }
      if (const auto* radio = dynamic_cast<const RadioButton*>(&control)) {
        line += radio->Value() ? " selected" : "";
      }
      state.push_back(line);
    }
    for (const auto& [name, file] :
         {std::pair{"ControlFile", &w.ControlFile}, std::pair{"OutputFile", &w.OutputFile},
          std::pair{"PointFile", &w.PointFile}}) {
      state.push_back(std::string(name) + " " + (*file ? (*file)->Path().string() : "nil"));
    }
    state.push_back("ControlCount " + std::to_string(TransformEngine::ControlCount));
    state.push_back("PointCount " + std::to_string(TransformEngine::PointCount));
    AddRows(state, "Control", TransformEngine::Control, TransformEngine::kControlCapacity, 5);
    AddRows(state, "Points", TransformEngine::Points, TransformEngine::kPointCapacity, 3);
    for (std::int64_t i = 1; i <= 10; ++i) {
      state.push_back("Coeff " + TransformEngine::CoeffID(i) + " " +
                      std::to_string(TransformEngine::Coeff(i, 1)) + " " +
                      std::to_string(TransformEngine::Coeff(i, 2)));
    }
    return state;
  }

  TempFolder folder;
  ScriptedDialogs dialogs;

 private:
  static void AddRows(std::vector<std::string>& state, const std::string& name,
                      const TextArray2& rows, std::int64_t count, std::int64_t columns) {
    for (std::int64_t r = 1; r <= count; ++r) {
      std::string line = name + " " + std::to_string(r);
      for (std::int64_t c = 1; c <= columns; ++c) line += "|" + rows(r, c);
      state.push_back(line);
    }
  }

  winMain* window_ = nullptr;
};

}  // namespace korvanta::testing
