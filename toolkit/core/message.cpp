#include "toolkit/core/message.h"

#include <iostream>
#include <utility>

#include "toolkit/core/presenter_seam.h"

namespace korvanta {

void MessageBox(std::string_view text) {
  const std::string message(text);
  if (const MessagePresenter& present = InstalledPresenter<MessagePresenter>()) {
    present(message);
  } else {
    std::cerr << message << '\n';
  }
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
  return ReplacePresenter(std::move(presenter));
}

}  // namespace korvanta
