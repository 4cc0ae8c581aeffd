#include "toolkit/qt/text_field.h"

#include <QLineEdit>

#include "toolkit/qt/guard.h"
#include "toolkit/qt/text_style.h"

namespace korvanta {

TextField::TextField() : RectControl(new QLineEdit), edit_(static_cast<QLineEdit*>(Widget())) {
  SetTextAlignment(0);
  Keep(QObject::connect(edit_, &QLineEdit::textChanged, [this] {
    if (assigning_) return;
    RunGuarded([this] {
      if (text_change_) text_change_(*this);
    });
  }));
}

std::string TextField::Text() const {
  return edit_->text().toStdString();
}

void TextField::SetText(const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (value == edit_->text()) return;
  assigning_ = true;
  edit_->setText(value);
  assigning_ = false;
  if (text_change_) text_change_(*this);
}

void TextField::SetTextAlignment(int code) {
  alignment_ = code;
  edit_->setAlignment(HorizontalAlignment(code) | Qt::AlignVCenter);
}

void TextField::SetTextColor(Color color) {
  color_ = color;
  SetTextColorOf(*edit_, QPalette::Text, color);
}

bool TextField::ReadOnly() const {
  return edit_->isReadOnly();
}

void TextField::SetReadOnly(bool on) {
  edit_->setReadOnly(on);
}

void TextField::ApplyOwnProperties(const DesignList& design) {
  if (const auto v = design.Int("TextAlignment")) SetTextAlignment(*v);
  if (const auto v = design.ColorValue("TextColor")) SetTextColor(*v);
  if (const auto v = design.Flag("ReadOnly")) SetReadOnly(*v);
  if (const auto v = design.Text("Text")) SetText(*v);
}

}  // namespace korvanta
