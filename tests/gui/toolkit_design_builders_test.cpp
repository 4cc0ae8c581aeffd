#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "toolkit/qt/design_builders.h"

namespace korvanta::testing {
namespace {

using testing::PrintTo;

using Keys = std::vector<std::string>;

Keys KeysOf(const DesignList& design) {
  Keys keys;
  for (const DesignEntry& entry : design.Entries()) keys.push_back(entry.key);
  return keys;
}

// Name to AllowAutoDeactivate, the keys every class begins with.
constexpr std::ptrdiff_t kHeadKeys = 14;

Keys HeadOf(const Keys& keys) {
  return Keys(keys.begin(), keys.begin() + kHeadKeys);
}

constexpr ControlDesignValues kValues{.name = "ctlSample",
                                      .parent = "grpSample",
                                      .place = {11, 12, 13, 14},
                                      .locks = kLockTopRight,
                                      .tab_index = 7,
                                      .content = "Go",
                                      .enabled = false,
                                      .visible = false};

struct BuilderCase {
  const char* name;
  std::function<DesignList(const ControlDesignValues&)> build;
};

class ControlBuilderTest : public ::testing::TestWithParam<BuilderCase> {};

TEST_P(ControlBuilderTest, TheHeadComesFirstWithTheControlsValuesAndTheParentLast) {
  const DesignList design = GetParam().build(kValues);
  const Keys keys = KeysOf(design);
  ASSERT_GT(std::ssize(keys), kHeadKeys + 1);
  // The same head as a push button's, whose whole order the main window's
  // tests hold.
  const Keys head = HeadOf(KeysOf(PushButtonDesign(kValues)));
  EXPECT_EQ(head.front(), "Name");
  EXPECT_EQ(head.back(), "AllowAutoDeactivate");
  EXPECT_EQ(HeadOf(keys), head);
  EXPECT_EQ(keys.back(), "InitialParent");
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());

  EXPECT_EQ(design.Text("Name"), "ctlSample");
  EXPECT_EQ(design.Integer("Index"), -2147483648LL);
  EXPECT_EQ(design.Int("Left"), 11);
  EXPECT_EQ(design.Int("Top"), 12);
  EXPECT_EQ(design.Int("Width"), 13);
  EXPECT_EQ(design.Int("Height"), 14);
  EXPECT_EQ(design.Flag("LockLeft"), false);
  EXPECT_EQ(design.Flag("LockTop"), true);
  EXPECT_EQ(design.Flag("LockRight"), true);
  EXPECT_EQ(design.Flag("LockBottom"), false);
  EXPECT_EQ(design.Int("TabIndex"), 7);
  EXPECT_EQ(design.Flag("Enabled"), false);
  EXPECT_EQ(design.Flag("Visible"), false);
  EXPECT_EQ(design.Text("InitialParent"), "grpSample");
  const bool captioned = design.Has("Caption");
  EXPECT_EQ(design.Text(captioned ? "Caption" : "Text"), "Go");
}

TEST_P(ControlBuilderTest, WithoutAParentTheListHasNoInitialParentKey) {
  ControlDesignValues values = kValues;
  values.parent = std::nullopt;
  const DesignList with_parent = GetParam().build(kValues);
  const DesignList without = GetParam().build(values);
  EXPECT_FALSE(without.Has("InitialParent"));
  Keys expected = KeysOf(with_parent);
  expected.pop_back();
  EXPECT_EQ(KeysOf(without), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ControlBuilderTest,
    ::testing::Values(BuilderCase{"GroupBox", GroupBoxDesign},
                      BuilderCase{"PushButton", PushButtonDesign},
                      BuilderCase{"RadioButton", RadioButtonDesign},
                      BuilderCase{"TextField", TextFieldDesign}, BuilderCase{"Label", LabelDesign},
                      BuilderCase{"TextAreaGrouped",
                                  [](const ControlDesignValues& v) {
                                    return TextAreaDesign(v, TextAreaKeyOrder::kGrouped);
                                  }},
                      BuilderCase{"TextAreaByName",
                                  [](const ControlDesignValues& v) {
                                    return TextAreaDesign(v, TextAreaKeyOrder::kByName);
                                  }}),
    ByName());

TEST(TextAreaDesignTest, ByNameHoldsTheGroupedEntriesWithItsOwnKeysSorted) {
  const DesignList grouped = TextAreaDesign(kValues, TextAreaKeyOrder::kGrouped);
  const DesignList by_name = TextAreaDesign(kValues, TextAreaKeyOrder::kByName);
  const Keys keys = KeysOf(by_name);
  const Keys grouped_keys = KeysOf(grouped);
  ASSERT_EQ(keys.size(), grouped_keys.size());
  // Between the head and InitialParent, which stays last.
  const auto own = [](const Keys& all) { return Keys(all.begin() + kHeadKeys, all.end() - 1); };
  EXPECT_TRUE(std::ranges::is_sorted(own(keys)));
  EXPECT_FALSE(std::ranges::is_sorted(own(grouped_keys)));
  for (const DesignEntry& entry : grouped.Entries()) {
    const DesignValue* value = by_name.Find(entry.key);
    ASSERT_NE(value, nullptr) << entry.key;
    EXPECT_TRUE(*value == entry.value) << entry.key;
  }
}

TEST(WindowDesignTest, TheValuesThatDifferGoToTheirKeysAndTheOthersAreShared) {
  const DesignList design = WindowDesign({.width = 300,
                                          .height = 200,
                                          .minimum_width = 64,
                                          .minimum_height = 50,
                                          .type = 2,
                                          .title = "Sample",
                                          .visible = true});
  EXPECT_EQ(KeysOf(design).size(), 21u);
  EXPECT_EQ(design.Int("Width"), 300);
  EXPECT_EQ(design.Int("Height"), 200);
  EXPECT_EQ(design.Int("MinimumWidth"), 64);
  EXPECT_EQ(design.Int("MinimumHeight"), 50);
  EXPECT_EQ(design.Int("MaximumWidth"), 32000);
  EXPECT_EQ(design.Int("MaximumHeight"), 32000);
  EXPECT_EQ(design.Int("Type"), 2);
  EXPECT_EQ(design.Text("Title"), "Sample");
  EXPECT_EQ(design.Flag("Visible"), true);
  EXPECT_EQ(design.Flag("Resizeable"), true);
  EXPECT_EQ(design.Flag("MenuBarVisible"), true);
}

TEST(ReversedTest, GivesTheSameEntriesLastOneFirst) {
  const DesignList design{{"Width", 1}, {"Title", "t"}, {"Visible", true}};
  EXPECT_EQ(KeysOf(Reversed(design)), (Keys{"Visible", "Title", "Width"}));
  EXPECT_TRUE(Reversed(design).Entries().front().value == DesignValue(true));
  EXPECT_TRUE(Reversed(DesignList{}).Entries().empty());
}

}  // namespace
}  // namespace korvanta::testing
