#include "toolkit/qt/push_button.h"

#include <QPushButton>

#include "toolkit/qt/guard.h"

namespace korvanta {

PushButton::PushButton()
    : RectControl(new QPushButton), button_(static_cast<QPushButton*>(Widget())) {
  button_->setAutoDefault(false);
  Keep(QObject::connect(button_, &QPushButton::clicked, [this] {
    RunGuarded([this] {
      if (action_) action_(*this);
    });
  }));
}

std::string PushButton::Caption() const {
  return button_->text().toStdString();
}

void PushButton::SetCaption(const std::string& caption) {
  button_->setText(QString::fromStdString(caption));
}

void PushButton::SetDefault(bool on) {
  default_ = on;
  button_->setDefault(on);
}

void PushButton::Press() {
  button_->click();
}

void PushButton::ApplyOwnProperties(const DesignList& design) {
  if (const auto caption = design.Text("Caption")) SetCaption(*caption);
  if (const auto v = design.Flag("Default")) SetDefault(*v);
  if (const auto v = design.Flag("Cancel")) SetCancel(*v);
}

}  // namespace korvanta
