// The fair yardstick for start-up: Korvanta's main window as a plain Qt
// Widgets program would build it, straight onto Qt's widgets, without the
// toolkit layer (no design lists, windows, controls or menu model). It takes
// the window from the same stored values as the program, so it has the same
// 28 controls in their places with their captions and states, the same File
// and Edit menus in a menu bar above the content, the same style, palette
// and fonts, and the states the main window's Open handler sets; then it
// ends the same way once the window is on screen.
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>
#include <map>
#include <string_view>

#include "bench/startup/shown_exit.h"
#include "shell/main_menu_rows.h"
#include "shell/winMain_rows.h"
#include "toolkit/qt/look.h"
#include "toolkit/qt/palette.h"

namespace {

using korvanta::ControlClass;
using korvanta::ControlDesignValues;

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont PlainFont(int pixels) {
  QFont font(QString::fromLatin1(korvanta::kFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  return font;
}

Qt::Alignment AlignmentOf(const ControlDesignValues& values) {
  return (values.alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

QWidget* NewControl(ControlClass type, const ControlDesignValues& values) {
  const QString content = ToQt(values.content);
  switch (type) {
    case ControlClass::kGroupBox:
      return new QGroupBox(content);
    case ControlClass::kPushButton: {
      auto* button = new QPushButton(content);
      button->setAutoDefault(false);
      return button;
    }
    case ControlClass::kTextField: {
      auto* field = new QLineEdit(content);
      field->setAlignment(AlignmentOf(values));
      field->setReadOnly(values.read_only);
      return field;
    }
    case ControlClass::kLabel: {
      auto* label = new QLabel(content);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(AlignmentOf(values));
      if (values.text_color != korvanta::kDesignBlack) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText,
                         QColor::fromRgb(values.text_color.value & 0xFFFFFFu));
        label->setPalette(palette);
      }
      return label;
    }
    case ControlClass::kRadioButton:
      return new QRadioButton(content);
  }
  return new QWidget;
}

void AddMenus(QMenuBar& bar) {
  std::map<std::string_view, QMenu*> menus;
  for (const korvanta::MenuRow& row : korvanta::MainMenuRows()) {
    if (row.menu.empty()) {
      menus[row.name] = bar.addMenu(ToQt(row.text));
    } else if (row.text == "-") {
      menus[row.menu]->addSeparator();
    } else {
      QAction* action = menus[row.menu]->addAction(ToQt(row.text));
      if (row.shortcut && !row.shortcut->empty()) {
        action->setShortcut(QKeySequence(ToQt(*row.shortcut), QKeySequence::PortableText));
      }
      if (row.quits) QObject::connect(action, &QAction::triggered, &QApplication::quit);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication app(argc, argv);
  QStyle* style = QStyleFactory::create(QString::fromLatin1(korvanta::kStyleName));
  QApplication::setStyle(style);
  QApplication::setPalette(korvanta::LightPalette());
  QApplication::setFont(PlainFont(korvanta::kDefaultFontPixels));

  const korvanta::WindowDesignValues& design = korvanta::kMainWindowValues;
  QWidget frame;
  frame.setWindowTitle(ToQt(design.title));
  auto* bar = new QMenuBar(&frame);
  bar->setNativeMenuBar(false);
  AddMenus(*bar);
  const int bar_height = bar->sizeHint().height();
  const QSize content_size(static_cast<int>(design.width), static_cast<int>(design.height));
  bar->setGeometry(0, 0, content_size.width(), bar_height);
  auto* content = new QWidget(&frame);
  content->setGeometry(0, bar_height, content_size.width(), content_size.height());
  frame.setMinimumSize(static_cast<int>(design.minimum_width),
                       static_cast<int>(design.minimum_height) + bar_height);
  frame.resize(content_size + QSize(0, bar_height));

  // Each control in creation order, placed in its group box or the content
  // area; positions in the design are measured from the content area.
  std::map<std::string_view, QWidget*> controls;
  for (const korvanta::MainControlRow& row : korvanta::kMainControlRows) {
    const ControlDesignValues& values = row.values;
    QWidget* widget = NewControl(row.type, values);
    QWidget* parent = content;
    QPoint origin(0, 0);
    if (values.parent && !values.parent->empty()) {
      parent = controls.at(*values.parent);
      origin = parent->geometry().topLeft();
    }
    widget->setParent(parent);
    widget->setObjectName(ToQt(values.name));
    widget->setGeometry(static_cast<int>(values.place.left) - origin.x(),
                        static_cast<int>(values.place.top) - origin.y(),
                        static_cast<int>(values.place.width),
                        static_cast<int>(values.place.height));
    widget->setEnabled(values.enabled);
    widget->setVisible(values.visible);
    controls[values.name] = widget;
  }

  // What the main window's Open handler changes before the user sees it.
  controls.at("txtControlFile")->hide();
  controls.at("btnPointFile")->setEnabled(false);
  controls.at("txtPointFile")->hide();
  controls.at("btnOutFile")->setEnabled(false);
  controls.at("txtOutFile")->hide();
  controls.at("btnTransform")->setEnabled(false);
  QFont credit = PlainFont(static_cast<int>(
      std::lround(10.0 * korvanta::kDefaultFontPixels / korvanta::kDesignDefaultPoints)));
  credit.setItalic(true);
  controls.at("lblAuthor")->setFont(credit);

  frame.show();
  korvanta::bench::ExitOnceShown(frame);
  return QApplication::exec();
}
