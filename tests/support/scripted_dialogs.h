#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "toolkit/core/dialogs.h"
#include "toolkit/core/folder_item.h"

namespace korvanta::testing {

// Answers the file dialogs from a script for the lifetime of the object: each
// open or save dialog takes the next answer queued for its kind (a file, or
// nothing for a cancel) and every dialog is recorded, in order. A dialog with
// no answer queued, and an answer left unused at the end, fail the test.
class ScriptedDialogs {
 public:
  struct Call {
    std::string kind;  // "open" or "save"
    std::string filter;
    std::string default_name;  // save dialogs only

    bool operator==(const Call&) const = default;
  };

  ScriptedDialogs()
      : previous_(SetDialogPresenter(DialogPresenter{
            .open =
                [this](const std::string& filter) {
                  calls.push_back({"open", filter, ""});
                  return Next(open_answers_, "open");
                },
            .save =
                [this](const std::string& filter, const std::string& default_name) {
                  calls.push_back({"save", filter, default_name});
                  return Next(save_answers_, "save");
                },
        })) {}
  ~ScriptedDialogs() {
    SetDialogPresenter(previous_);
    EXPECT_TRUE(open_answers_.empty()) << open_answers_.size() << " open answer(s) never asked for";
    EXPECT_TRUE(save_answers_.empty()) << save_answers_.size() << " save answer(s) never asked for";
  }
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // std::nullopt answers as Cancel does.
  void AnswerOpen(FolderItemRef answer) { open_answers_.push_back(std::move(answer)); }
  void AnswerSave(FolderItemRef answer) { save_answers_.push_back(std::move(answer)); }

  std::vector<Call> calls;

 private:
  static FolderItemRef Next(std::deque<FolderItemRef>& answers, const char* kind) {
    if (answers.empty()) {
      ADD_FAILURE() << "a " << kind << " dialog came with no answer queued";
      return std::nullopt;
    }
    FolderItemRef answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }

  DialogPresenter previous_;
  std::deque<FolderItemRef> open_answers_;
  std::deque<FolderItemRef> save_answers_;
};

}  // namespace korvanta::testing
