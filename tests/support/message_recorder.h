#pragma once

#include <string>
#include <vector>

#include "toolkit/core/message.h"

namespace korvanta::testing {

// Catches every MessageBox for the lifetime of the object, in order.
class MessageRecorder {
 public:
  MessageRecorder()
      : previous_(SetMessagePresenter([this](const std::string& text) { texts.push_back(text); })) {
  }
  ~MessageRecorder() { SetMessagePresenter(previous_); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  std::vector<std::string> texts;

 private:
  MessagePresenter previous_;
};

}  // namespace korvanta::testing
