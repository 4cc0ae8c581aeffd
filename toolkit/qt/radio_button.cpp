#include "toolkit/qt/radio_button.h"

#include <QRadioButton>

#include "toolkit/qt/guard.h"

namespace korvanta {

RadioButton::RadioButton()
    : RectControl(new QRadioButton), button_(static_cast<QRadioButton*>(Widget())) {
  Keep(QObject::connect(button_, &QRadioButton::clicked, [this] {
    RunGuarded([this] {
      if (action_) action_(*this);
    });
  }));
}

std::string RadioButton::Caption() const {
  return button_->text().toStdString();
}

void RadioButton::SetCaption(const std::string& caption) {
  button_->setText(QString::fromStdString(caption));
}

bool RadioButton::Value() const {
  return button_->isChecked();
}

void RadioButton::SetValue(bool value) {
  if (value) {
    button_->setChecked(true);
    return;
  }
  // Qt keeps one button of an exclusive set checked; lift the rule for the
  // moment it takes to clear this one.
  button_->setAutoExclusive(false);
  button_->setChecked(false);
  button_->setAutoExclusive(true);
}

void RadioButton::Press() {
  button_->click();
}

void RadioButton::ApplyOwnProperties(const DesignList& design) {
  if (const auto caption = design.Text("Caption")) SetCaption(*caption);
  if (const auto v = design.Flag("Value")) SetValue(*v);
}

}  // namespace korvanta
