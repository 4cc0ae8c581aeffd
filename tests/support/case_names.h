#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace korvanta::testing {

// Name generators for tables of cases. GoogleTest would otherwise name a case
// by its index and CTest by a dump of its bytes, pointers included, so the
// names would change from build to build and `ctest -R` could not pick one.
// A name holds letters, digits and underscores only and is unique in its
// table; GoogleTest refuses the program otherwise.

// Names each case by its `name` field.
struct ByName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return std::string(info.param.name);
  }
};

// Names the two cases of a ::testing::Bool() table. (A constructor, so that
// the two names pass through the macro's arguments in parentheses.)
class ByBool {
 public:
  ByBool(const char* if_false, const char* if_true) : if_false_(if_false), if_true_(if_true) {}

  std::string operator()(const ::testing::TestParamInfo<bool>& info) const {
    return info.param ? if_true_ : if_false_;
  }

 private:
  const char* if_false_;
  const char* if_true_;
};

// Shows a case of a table in a failure message by its name too, not by a
// dump of its bytes. GoogleTest looks for PrintTo beside the case's type, so
// a test file brings this one there: `using testing::PrintTo;` in the
// namespace of its cases.
template <class Case>
requires requires(const Case& c) {
  std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

}  // namespace korvanta::testing
