#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/gui_fixture.h"
#include "toolkit/qt/guard.h"
#include "toolkit/qt/implicit_instance.h"
#include "toolkit/qt/push_button.h"
#include "toolkit/qt/text_field.h"
#include "toolkit/qt/window.h"

namespace korvanta::testing {
namespace {

std::string Uncaught(const std::string& what) {
  return std::string(kUncaughtErrorIntro) + "\n" + what;
}

TEST(GuardTest, NamesTheErrorThatEscapesAHandler) {
  struct Case {
    std::function<void()> handler;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {[] {}, {}},
      {[] { throw std::runtime_error("index 11 is outside the bounds 0 to 10"); },
       {Uncaught("index 11 is outside the bounds 0 to 10")}},
      {[] { throw 42; }, {Uncaught("an error of unknown kind")}},
  };
  for (const Case& c : cases) {
    MessageRecorder messages;
    RunGuarded(c.handler);
    EXPECT_EQ(messages.texts, c.expected);
  }
}

TEST(GuardTest, SurvivesAMessagePresenterThatFailsItself) {
  const MessagePresenter previous =
      SetMessagePresenter([](const std::string&) { throw std::runtime_error("no screen"); });
  EXPECT_NO_THROW(RunGuarded([] { throw std::runtime_error("first"); }));
  SetMessagePresenter(previous);
}

// Handlers that fail, next to handlers that work.
class FailingWindow : public Window {
 public:
  int good_actions = 0;
  bool open_went_on = false;

  PushButton& btnFail() const { return ControlAs<PushButton>("btnFail"); }
  PushButton& btnGood() const { return ControlAs<PushButton>("btnGood"); }
  TextField& txtField() const { return ControlAs<TextField>("txtField"); }

 protected:
  void Layout() override { SetProperties({{"Title", "Failing"}, {"Visible", true}}); }
  void CreateControls() override {
    CreateControl<PushButton>("btnFail", {{"Name", "btnFail"}}).SetActionHandler([](PushButton&) {
      throw std::out_of_range("no such row");
    });
    CreateControl<PushButton>("btnGood", {{"Name", "btnGood"}})
        .SetActionHandler([this](PushButton&) { ++good_actions; });
    CreateControl<TextField>("txtField", {{"Name", "txtField"}})
        .SetTextChangeHandler([](TextField&) { throw std::runtime_error("bad name"); });
  }
  void Event_Open() override {
    btnGood().SetCaption("Good");
    throw std::runtime_error("open failed");
  }
};

class GuardWindowTest : public GuiTest {};

TEST_F(GuardWindowTest, AFailingHandlerIsReportedAndTheApplicationCarriesOn) {
  FailingWindow& window = ImplicitInstance<FailingWindow>();
  // Open failed after its first step: the window stands as far as it got.
  EXPECT_EQ(messages.texts, std::vector<std::string>{Uncaught("open failed")});
  EXPECT_TRUE(window.Visible());
  EXPECT_EQ(window.btnGood().Caption(), "Good");

  window.btnFail().Press();
  window.btnGood().Press();
  window.btnFail().Press();
  window.btnGood().Press();
  EXPECT_EQ(window.good_actions, 2);
  EXPECT_EQ(messages.texts.size(), 3u);
  EXPECT_EQ(messages.texts[1], Uncaught("no such row"));
  EXPECT_TRUE(IsOpen<FailingWindow>());
  EXPECT_EQ(&ImplicitInstance<FailingWindow>(), &window);
}

TEST_F(GuardWindowTest, AFailingTextChangeFromTheUserIsReported) {
  FailingWindow& window = ImplicitInstance<FailingWindow>();
  messages.texts.clear();
  static_cast<QLineEdit*>(window.txtField().Widget())->insert("typed");
  EXPECT_EQ(messages.texts, std::vector<std::string>{Uncaught("bad name")});
  EXPECT_EQ(window.txtField().Text(), "typed");
}

}  // namespace
}  // namespace korvanta::testing
