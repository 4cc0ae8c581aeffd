#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/core/exceptions.h"
#include "toolkit/qt/design.h"

namespace korvanta::testing {
namespace {

TEST(DesignListTest, LiteralsKeepTheirKindOfValue) {
  const DesignList design{
      {"Width", 360},    {"Title", "Transformatin Results"},     {"Visible", false},
      {"FontSize", 0.0}, {"Index", std::int64_t{-2147483648LL}}, {"TextColor", Color{255}}};
  ASSERT_EQ(design.Entries().size(), 6u);
  EXPECT_TRUE(std::holds_alternative<std::int64_t>(design.Entries()[0].value));
  EXPECT_TRUE(std::holds_alternative<std::string>(design.Entries()[1].value));
  EXPECT_TRUE(std::holds_alternative<bool>(design.Entries()[2].value));
  EXPECT_TRUE(std::holds_alternative<double>(design.Entries()[3].value));
  EXPECT_EQ(design.Int("Width"), 360);
  EXPECT_EQ(design.Text("Title"), "Transformatin Results");
  EXPECT_EQ(design.Flag("Visible"), false);
  EXPECT_EQ(design.Integer("Index"), -2147483648LL);
  EXPECT_EQ(design.ColorValue("TextColor"), Color{255});
  EXPECT_EQ(design.Number("Width"), 360.0);  // an integer serves as a number
  EXPECT_EQ(design.Flag("Resizeable"), std::nullopt);
}

TEST(DesignListTest, AValueOfTheWrongKindIsAnErrorNamingTheKey) {
  const DesignList design{{"Width", "wide"}, {"Left", std::int64_t{1} << 40}, {"Top", 1.5}};
  const struct {
    std::function<void()> read;
    std::string message;
  } cases[] = {
      {[&] { design.Int("Width"); }, "design key Width holds a text, not an integer"},
      {[&] { design.Int("Left"); },
       "design key Left holds 1099511627776, beyond the range of a position or size"},
      {[&] { design.Int("Top"); }, "design key Top holds a number, not an integer"},
      {[&] { design.Flag("Width"); }, "design key Width holds a text, not a flag"},
  };
  for (const auto& c : cases) {
    try {
      c.read();
      ADD_FAILURE() << "no error for: " << c.message;
    } catch (const RuntimeException& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

TEST(DesignListTest, ALaterEntryOverridesAnEarlierOne) {
  const DesignList design{{"Visible", true}, {"Visible", false}};
  EXPECT_EQ(design.Flag("Visible"), false);
  EXPECT_EQ(design.Entries().size(), 2u);
}

}  // namespace
}  // namespace korvanta::testing
