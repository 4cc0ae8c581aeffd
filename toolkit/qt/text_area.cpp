#include "toolkit/qt/text_area.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "toolkit/qt/text_style.h"

namespace korvanta {

TextArea::TextArea()
    : RectControl(new QPlainTextEdit), edit_(static_cast<QPlainTextEdit*>(Widget())) {
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHasVerticalScrollbar(true);
}

std::string TextArea::Text() const {
  return edit_->toPlainText().toStdString();
}

void TextArea::SetText(const std::string& text) {
  edit_->setPlainText(QString::fromStdString(text));
}

void TextArea::AddText(const std::string& text) {
  QTextCursor end(edit_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(QString::fromStdString(text));
}

bool TextArea::ReadOnly() const {
  return edit_->isReadOnly();
}

void TextArea::SetReadOnly(bool on) {
  edit_->setReadOnly(on);
}

void TextArea::SetHasVerticalScrollbar(bool on) {
  vertical_scrollbar_ = on;
  edit_->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetTextColor(Color color) {
  color_ = color;
  SetTextColorOf(*edit_, QPalette::Text, color);
}

void TextArea::ApplyOwnProperties(const DesignList& design) {
  if (const auto v = design.Flag("HasVerticalScrollbar")) SetHasVerticalScrollbar(*v);
  if (const auto v = design.Flag("ReadOnly")) SetReadOnly(*v);
  if (const auto v = design.ColorValue("TextColor")) SetTextColor(*v);
  if (const auto v = design.Text("Text")) SetText(*v);
}

int TextArea::FontStretch() const {
  return QFont::Condensed;
}

}  // namespace korvanta
