#include "toolkit/qt/text_area.h"

#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QMimeData>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "toolkit/qt/text_style.h"

namespace korvanta {
namespace {

// How far the wrapped lines of a paragraph stand in, in the font's size.
constexpr double kHangingIndentEm = 2.0;

// Gives every paragraph of the edit the hanging indent for its font. It
// shapes the layout only, so it is no step the user could undo.
void HangParagraphs(QTextEdit& edit) {
  const double indent = kHangingIndentEm * QFontInfo(edit.font()).pixelSize();
  QTextBlockFormat format;
  format.setLeftMargin(indent);
  format.setTextIndent(-indent);
  QTextDocument* document = edit.document();
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  QTextCursor all(document);
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(format);
  document->setUndoRedoEnabled(undo);
}

// A text edit that holds plain text only. New paragraphs, typed, added,
// pasted or dropped, go in through a cursor and so take the format of the
// paragraph they start in: every paragraph keeps the hanging indent.
class PlainTextEdit : public QTextEdit {
 public:
  PlainTextEdit() {
    setAcceptRichText(false);
    HangParagraphs(*this);
  }

 protected:
  // Copy, Cut and drag, from the menu, the keys or the context menu, all take
  // the selection from here. The text alone goes out: with the rich forms
  // beside it, a spreadsheet would paste the hanging-indent paragraphs
  // instead of importing the comma-separated lines. The fragment gives "\n"
  // for paragraph and line breaks and a space for a no-break space.
  QMimeData* createMimeDataFromSelection() const override {
    auto* plain = new QMimeData;
    plain->setText(textCursor().selection().toPlainText());
    return plain;
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (source == nullptr || !source->hasText()) return;
    QTextCursor cursor = textCursor();
    cursor.insertText(source->text());
    setTextCursor(cursor);
    ensureCursorVisible();
  }

  void changeEvent(QEvent* event) override {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) HangParagraphs(*this);
  }
};

}  // namespace

TextArea::TextArea() : RectControl(new PlainTextEdit), edit_(static_cast<QTextEdit*>(Widget())) {
  edit_->setLineWrapMode(QTextEdit::WidgetWidth);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetHasVerticalScrollbar(true);
}

std::string TextArea::Text() const {
  return edit_->toPlainText().toStdString();
}

void TextArea::SetText(const std::string& text) {
  // A whole new text starts with paragraphs of no format of their own.
  edit_->setPlainText(QString::fromStdString(text));
  HangParagraphs(*edit_);
}

// What the program appends is no edit of the user's, so Undo must not take
// a report line away again. Leaving it off the undo stack empties the stack:
// the user's earlier edits can no longer be undone either.
void TextArea::AddText(const std::string& text) {
  QTextDocument* document = edit_->document();
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  QTextCursor end(document);
  end.movePosition(QTextCursor::End);
  end.insertText(QString::fromStdString(text));
  document->setUndoRedoEnabled(undo);
}

bool TextArea::ReadOnly() const {
  return edit_->isReadOnly();
}

void TextArea::SetReadOnly(bool on) {
  edit_->setReadOnly(on);
}

bool TextArea::AllowTabs() const {
  return !edit_->tabChangesFocus();
}

void TextArea::SetAllowTabs(bool on) {
  edit_->setTabChangesFocus(!on);
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
  if (const auto v = design.Flag("AllowTabs")) SetAllowTabs(*v);
  if (const auto v = design.ColorValue("TextColor")) SetTextColor(*v);
  if (const auto v = design.Text("Text")) SetText(*v);
}

int TextArea::FontStretch() const {
  return QFont::Condensed;
}

}  // namespace korvanta
