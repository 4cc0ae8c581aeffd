#include "toolkit/core/message.h"

#include <iostream>
#include <utility>

namespace korvanta {
namespace {

MessagePresenter& Presenter() {
  static MessagePresenter presenter;
  return presenter;
}

}  // namespace

void MessageBox(std::string_view text) {
  const std::string message(text);
  if (Presenter()) {
    Presenter()(message);
  } else {
    std::cerr << message << '\n';
  }
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
  return std::exchange(Presenter(), std::move(presenter));
}

}  // namespace korvanta
