#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/transform_engine.h"
#include "engine/windows/report_windows_on_screen.h"
#include "toolkit/core/folder_item.h"
#include "toolkit/qt/group_box.h"
#include "toolkit/qt/label.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/radio_button.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace korvanta {

// The main window. It is also the transformation engine, so the readers,
// estimations, report and transformations are its own methods and its three
// file references are the engine's; the engine reports in the two report
// windows on screen. The one window is the implicit instance
// (ImplicitInstance<winMain>()), built from its design at start-up.
//
// Name clash to mind: Window::ControlCount() counts the controls, while
// TransformEngine::ControlCount holds the lines read from the control file;
// qualify which one is meant.
class winMain : public Window, public TransformEngine {
 public:
  winMain();
  // The engine's destructor releases ControlFile, OutputFile and PointFile.
  ~winMain() override;

  // The controls, in creation order, typed as their classes.
  GroupBox& grpIO() const;
  PushButton& btnInControlFile() const;
  PushButton& btnOutFile() const;
  TextField& txtControlFile() const;
  TextField& txtOutFile() const;
  PushButton& btnPointFile() const;
  TextField& txtPointFile() const;
  TextField& txtNumControl() const;
  TextField& txtNumPoints() const;
  Label& lblNumber() const;
  GroupBox& grpTrans() const;
  RadioButton& radConformal() const;
  RadioButton& radAffine() const;
  RadioButton& radProject() const;
  TextField& txtConformDF() const;
  TextField& txtProjectDF() const;
  TextField& txtAffineDF() const;
  Label& lblDF() const;
  Label& lblMinControl() const;
  Label& lblProjCtrl() const;
  Label& lblAffCtrl() const;
  Label& lblConCtrl() const;
  PushButton& btnParam() const;
  PushButton& btnQuit() const;
  PushButton& btnReset() const;
  PushButton& btnHelp() const;
  PushButton& btnTransform() const;
  Label& lblAuthor() const;

  // The control events, each bound as soon as its control exists. They lead
  // the user through the work (winMain_workflow.cpp).
  void btnInControlFile_Action(PushButton& button);
  void btnOutFile_Action(PushButton& button);
  void txtControlFile_TextChange(TextField& field);
  void txtOutFile_TextChange(TextField& field);
  void btnPointFile_Action(PushButton& button);
  void txtPointFile_TextChange(TextField& field);
  void radConformal_Action(RadioButton& button);
  void radAffine_Action(RadioButton& button);
  void radProject_Action(RadioButton& button);
  void btnParam_Action(PushButton& button);
  void btnQuit_Action(PushButton& button);
  void btnReset_Action(PushButton& button);
  void btnHelp_Action(PushButton& button);
  void btnTransform_Action(PushButton& button);

  // The file dialogs: an input file test-opened, an output file created
  // empty; nothing on cancel (file_choice.cpp).
  FolderItemRef GetInputFile();
  FolderItemRef GetOutputFile();

  // Which control event goes to which handler, as the window binds them.
  struct EventBinding {
    std::string_view control;
    std::string_view event;  // "Action" or "TextChange"
  };
  static std::vector<EventBinding> EventBindings();

 protected:
  void Layout() override;
  void CreateControls() override;
  // Sets the states the user first sees.
  void Event_Open() override;

 private:
  void CreateControls0();
  void ConnectEvents(const std::string& name);

  ReportWindowsOnScreen report_windows_;
  // The key of the model whose coefficients Coeff holds ("Conform",
  // "Affine", "Project"), or "" when the last "Coefficients" estimated
  // nothing; "Transform" uses only that model's coefficients.
  std::string estimated_model_;
};

}  // namespace korvanta
