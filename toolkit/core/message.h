#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace korvanta {

// MessageBox(text): a modal message with one text and "OK". Where it goes is
// set once: the Qt layer presents a real box, tests install a recorder. With
// no presenter the text goes to standard error, so nothing is ever lost.
void MessageBox(std::string_view text);

using MessagePresenter = std::function<void(const std::string&)>;
// Installs the presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

}  // namespace korvanta
