#include "toolkit/qt/label.h"

#include <QLabel>

#include "toolkit/qt/text_style.h"

namespace korvanta {

Label::Label() : RectControl(new QLabel), label_(static_cast<QLabel*>(Widget())) {
  label_->setTextFormat(Qt::PlainText);
  ApplyAlignment();
}

std::string Label::Text() const {
  return label_->text().toStdString();
}

void Label::SetText(const std::string& text) {
  label_->setText(QString::fromStdString(text));
}

void Label::SetTextAlignment(int code) {
  alignment_ = code;
  ApplyAlignment();
}

void Label::SetTextColor(Color color) {
  color_ = color;
  SetTextColorOf(*label_, QPalette::WindowText, color);
}

void Label::SetMultiline(bool on) {
  multiline_ = on;
  label_->setWordWrap(on);
  ApplyAlignment();
}

void Label::ApplyAlignment() {
  label_->setAlignment(HorizontalAlignment(alignment_) |
                       (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
}

void Label::ApplyOwnProperties(const DesignList& design) {
  if (const auto v = design.Flag("Multiline")) SetMultiline(*v);
  if (const auto v = design.Int("TextAlignment")) SetTextAlignment(*v);
  if (const auto v = design.ColorValue("TextColor")) SetTextColor(*v);
  if (const auto v = design.Text("Text")) SetText(*v);
}

}  // namespace korvanta
