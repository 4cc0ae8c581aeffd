#pragma once

#include <cstring>
#include <functional>
#include <string>

#include "toolkit/core/exceptions.h"

namespace korvanta::testing {

// What one write or choice of a file came to, as a test compares it: "done",
// or "refused: " / "incomplete: " and the reason with its errno (an
// IOException, which leaves the file as it was, or an IncompleteFileException).
inline std::string Outcome(const std::function<void()>& act) {
  try {
    act();
    return "done";
  } catch (const IncompleteFileException& e) {
    return "incomplete: " + e.Message() + " (" + std::to_string(e.ErrorNumber()) + ")";
  } catch (const IOException& e) {
    return "refused: " + e.Message() + " (" + std::to_string(e.ErrorNumber()) + ")";
  } catch (const FileKindException& e) {
    return "refused: " + std::string(e.what());
  }
}

// The outcome of choosing the file at `path`, through `choose`: an
// IOException's message names the file, and the name is taken off here so
// the reason compares as a write's does. A message without it says so.
inline std::string ChoiceOutcome(const std::string& path, const std::function<void()>& choose) {
  std::string outcome = Outcome(choose);
  if (!outcome.starts_with("refused: ") || outcome.find(" (") == std::string::npos) return outcome;
  const std::string named = ": \"" + path + "\" (";
  const std::size_t at = outcome.find(named);
  if (at == std::string::npos) return outcome + " [the message does not name " + path + "]";
  return outcome.replace(at, named.size(), " (");
}

inline std::string Refused(int error_number) {
  return "refused: " + std::string(std::strerror(error_number)) + " (" +
         std::to_string(error_number) + ")";
}
inline std::string Incomplete(int error_number) {
  return "incomplete: " + std::string(std::strerror(error_number)) + " (" +
         std::to_string(error_number) + ")";
}

}  // namespace korvanta::testing
