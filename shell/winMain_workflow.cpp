// The main window's control event handlers. They lead the user through the
// work in a fixed order: control file, model, coefficients, output file,
// points file, transformation. The order is kept by enabling and disabling
// the controls; the counts live in their fields and the model in the radio
// buttons.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/models.h"
#include "shell/winMain.h"
#include "shell/wndHelp.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"
#include "toolkit/qt/application.h"
#include "toolkit/qt/implicit_instance.h"

namespace korvanta {
namespace {

// The main window's own widgets of each model, in the order of the model
// table: its radio button and its redundancy field. What the model is, its
// estimation and transformation included, is its row in engine/models.h.
struct ModelWidgets {
  const Model& model;
  RadioButton& (winMain::*radio)() const;
  TextField& (winMain::*redundancy_field)() const;
};

const std::array<ModelWidgets, 3>& Models() {
  static const std::array<ModelWidgets, 3> models{{
      {kConformal, &winMain::radConformal, &winMain::txtConformDF},
      {kAffine, &winMain::radAffine, &winMain::txtAffineDF},
      {kProjective, &winMain::radProject, &winMain::txtProjectDF},
  }};
  return models;
}

// Whether a control file of `count` lines leaves the model usable. A file
// too short for every model (0 or 1 lines) leaves all three usable, so that
// "Coefficients" can name the selected model's minimum.
bool Usable(const ModelWidgets& row, std::int64_t count) {
  return count >= row.model.minimum || count < Models().front().model.minimum;
}

// The number in a count field. The fields are editable, so the user may type
// anything: blank text counts as 0, as an emptied field always has, and text
// that is not a whole number gives nothing, for the caller to report.
std::optional<std::int64_t> CountIn(const std::string& text) {
  if (IsBlank(text)) return 0;
  return ParseInteger(text);
}

std::string NotACount(std::string_view what, const std::string& text) {
  return "The " + std::string(what) + " \"" + text +
         "\" is not a whole number. Type the number to use, or choose the file again.";
}

// Reads a newly chosen input file into its array. The reference takes the
// new file only when the file passes the reader's checks; otherwise the
// earlier file, its array and its count stay as they were.
std::optional<std::int64_t> ReadChosen(FolderItemRef& reference, FolderItem chosen,
                                       const std::function<std::optional<std::int64_t>()>& read) {
  FolderItemRef earlier = std::move(reference);
  reference = std::move(chosen);
  const std::optional<std::int64_t> count = read();
  if (!count) reference = std::move(earlier);
  return count;
}

// One file cannot be both an input in use and the output: a transformation
// writes the output file anew, over the control points of its coefficients
// or the points it transforms. Refuses such a choice with a message.
bool IsAlso(const FolderItem& chosen, std::string_view role, const FolderItemRef& other,
            std::string_view other_role) {
  if (!other || !IsSameFile(chosen, *other)) return false;
  MessageBox("\"" + chosen.Name() + "\" cannot be the " + std::string(role) +
             ": it is the same file as the " + std::string(other_role) + " \"" + other->Name() +
             "\", and a transformation writes the output file anew. Choose another file.");
  return true;
}

void ChooseModel(winMain& window, TextField& first_hidden, TextField& second_hidden) {
  window.btnParam().SetEnabled(true);
  first_hidden.SetVisible(false);
  second_hidden.SetVisible(false);
}

void Empty(TextField& field) {
  field.SetText("");
}

// Disabling the control that has the focus would pass the focus along the
// tab chain, which starts with "Quit": a keyboard user going on with Space
// would end the program. The focus goes to the next step's control instead.
void DisableFor(RectControl& control, RectControl& next) {
  if (control.HasFocus()) next.SetFocus();
  control.SetEnabled(false);
}

}  // namespace

void winMain::btnInControlFile_Action(PushButton& /*button*/) {
  FolderItemRef file = GetInputFile();
  if (!file || IsAlso(*file, "control file", OutputFile, "output file")) return;
  // The file is read before it replaces the earlier one, so a file that
  // fails its checks leaves the earlier choice, its name and its count.
  const std::optional<std::int64_t> count =
      ReadChosen(ControlFile, std::move(*file), [this] { return ReadControl(); });
  if (!count) return;
  // Coefficients estimated from the earlier control points do not belong to
  // these: "Transform" waits for the next "Coefficients".
  estimated_model_.clear();
  txtControlFile().SetVisible(true);
  txtControlFile().SetText(ControlFile->Name());
  // Projective first, then affine; a longer file makes them usable again.
  for (auto row = Models().rbegin(); row != Models().rend(); ++row) {
    (this->*row->radio)().SetEnabled(Usable(*row, *count));
  }
  txtNumControl().SetVisible(true);
  txtNumControl().SetText(Int64ToString(*count));
  btnParam().SetEnabled(true);
  grpTrans().SetEnabled(true);
}

void winMain::btnOutFile_Action(PushButton& /*button*/) {
  FolderItemRef file = GetOutputFile();
  if (!file || IsAlso(*file, "output file", ControlFile, "control file") ||
      IsAlso(*file, "output file", PointFile, "points file")) {
    return;
  }
  OutputFile = std::move(file);
  txtOutFile().SetVisible(true);
  txtOutFile().SetText(OutputFile->Name());
  if (!txtControlFile().Text().empty() && !txtPointFile().Text().empty()) {
    btnTransform().SetEnabled(true);
    grpTrans().SetEnabled(true);
  }
}

void winMain::txtControlFile_TextChange(TextField& /*field*/) {
  grpTrans().SetEnabled(true);
}

void winMain::txtOutFile_TextChange(TextField& /*field*/) {
  btnPointFile().SetEnabled(true);
  txtPointFile().SetVisible(true);
}

void winMain::btnPointFile_Action(PushButton& /*button*/) {
  FolderItemRef file = GetInputFile();
  if (!file || IsAlso(*file, "points file", OutputFile, "output file")) return;
  const std::optional<std::int64_t> count =
      ReadChosen(PointFile, std::move(*file), [this] { return ReadPoints(); });
  if (!count) return;
  txtPointFile().SetText(PointFile->Name());
  txtNumPoints().SetVisible(true);
  txtNumPoints().SetText(Int64ToString(*count));
}

void winMain::txtPointFile_TextChange(TextField& /*field*/) {
  btnTransform().SetEnabled(true);
}

void winMain::radConformal_Action(RadioButton& /*button*/) {
  ChooseModel(*this, txtAffineDF(), txtProjectDF());
}

void winMain::radAffine_Action(RadioButton& /*button*/) {
  ChooseModel(*this, txtConformDF(), txtProjectDF());
}

void winMain::radProject_Action(RadioButton& /*button*/) {
  ChooseModel(*this, txtAffineDF(), txtConformDF());
}

void winMain::btnParam_Action(PushButton& button) {
  const std::string count_text = txtNumControl().Text();
  const std::optional<std::int64_t> K = CountIn(count_text);
  for (TextField* field : {&txtConformDF(), &txtAffineDF(), &txtProjectDF()}) {
    field->SetVisible(false);
    Empty(*field);
  }
  for (std::int64_t i = 1; i <= kCoefficientRows; ++i) {
    CoeffID(i) = "";
    Coeff(i, 1) = 0.0;
    Coeff(i, 2) = 0.0;
  }
  // The coefficients of any earlier estimation are gone now.
  estimated_model_.clear();

  std::string_view key;
  std::int64_t redundancy = 0;
  std::int64_t coefficients = 0;
  for (const ModelWidgets& row : Models()) {
    if (!(this->*row.radio)().Value()) continue;
    key = "";
    if (!K) {
      MessageBox(NotACount("control point count", count_text));
      continue;
    }
    // A count the model cannot take is refused before a redundancy is shown
    // for it; the estimation would refuse it with the same message.
    if (!AdmitsControlCount(row.model, *K)) continue;
    coefficients = row.model.coefficients;
    redundancy = row.model.Redundancy(*K);
    TextField& field = (this->*row.redundancy_field)();
    field.SetVisible(true);
    field.SetText(Int64ToString(redundancy));
    if ((this->*row.model.estimate)(*K)) {
      key = row.model.key;
    } else {
      // The estimation has said why; no redundancy stays for a solution
      // that does not exist.
      field.SetVisible(false);
      Empty(field);
    }
  }
  if (key.empty()) return;
  ShowParam(key, redundancy, coefficients);
  estimated_model_ = key;
  btnOutFile().SetEnabled(true);
  const bool files_shown = !txtOutFile().Text().empty() && !txtPointFile().Text().empty();
  DisableFor(button, files_shown && btnTransform().Enabled() ? btnTransform() : btnOutFile());
}

void winMain::btnQuit_Action(PushButton& /*button*/) {
  if (Application* application = Application::Instance()) application->Quit(0);
}

// Empties the fields and returns to the first step. The file references,
// the arrays and the report windows stay; setting a name field raises its
// TextChange, whose effects the later steps undo where they must.
void winMain::btnReset_Action(PushButton& /*button*/) {
  Empty(txtControlFile());
  Empty(txtNumControl());
  txtNumControl().SetVisible(false);
  Empty(txtOutFile());
  Empty(txtPointFile());
  txtPointFile().SetVisible(false);
  btnPointFile().SetEnabled(false);
  Empty(txtNumPoints());
  txtNumPoints().SetVisible(false);
  radConformal().SetValue(true);
  radAffine().SetValue(false);
  radProject().SetValue(false);
  for (TextField* field : {&txtConformDF(), &txtAffineDF(), &txtProjectDF()}) {
    Empty(*field);
    field->SetVisible(false);
  }
  grpTrans().SetEnabled(false);
}

void winMain::btnHelp_Action(PushButton& /*button*/) {
  ImplicitInstance<wndHelp>().SetVisible(true);
}

void winMain::btnTransform_Action(PushButton& /*button*/) {
  const std::string count_text = txtNumPoints().Text();
  const std::optional<std::int64_t> n = CountIn(count_text);
  if (n == 0) {
    MessageBox("No points in data file.");
    return;
  }
  if (!n) {
    MessageBox(NotACount("point count", count_text));
    return;
  }
  for (const ModelWidgets& row : Models()) {
    if (!(this->*row.radio)().Value()) continue;
    if (estimated_model_ != row.model.key) {
      // "Reset" leaves the models and "Coefficients" unusable until a
      // control file is chosen again; only "Control" fills its name field.
      const std::string first = txtControlFile().Text().empty()
                                    ? "Choose a control file with Control, then press"
                                    : "Press";
      MessageBox(first + " Coefficients for the " + std::string(row.model.name) +
                 " model before transforming.");
      continue;
    }
    (this->*row.model.transform_points)(*n);
  }
}

}  // namespace korvanta
