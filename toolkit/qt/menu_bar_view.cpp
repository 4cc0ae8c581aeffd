#include "toolkit/qt/menu_bar_view.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <utility>
#include <vector>

#include "toolkit/qt/edit_commands.h"
#include "toolkit/qt/guard.h"
#include "toolkit/qt/menu_item.h"

namespace korvanta {
namespace {

using Commands = std::vector<std::pair<QAction*, const MenuItem*>>;

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

void Choose(MenuItem& item) {
  RunGuarded([&item] {
    if (const auto command = EditCommandNamed(item.Name())) {
      RunEditCommand(*command, QApplication::focusWidget());
    } else {
      item.Action();
    }
  });
}

void UpdateAutoEnabled(const Commands& commands) {
  for (const auto& [action, item] : commands) {
    if (!item->AutoEnabled()) continue;
    const auto command = EditCommandNamed(item->Name());
    action->setEnabled(!command || CanRunEditCommand(*command, QApplication::focusWidget()));
  }
}

// A menu for model and its children; a child with children of its own
// becomes a submenu.
QMenu* NewMenu(const MenuItem& model, QWidget* parent) {
  auto* menu = new QMenu(ToQt(model.Text()), parent);
  Commands commands;
  for (std::size_t i = 0; i < model.Count(); ++i) {
    MenuItem& item = model.Item(i);
    QAction* action = nullptr;
    if (item.IsSeparator()) {
      action = menu->addSeparator();
    } else if (item.Count() > 0) {
      action = menu->addMenu(NewMenu(item, menu));
    } else {
      action = menu->addAction(ToQt(item.Text()));
      if (!item.Shortcut().empty()) {
        action->setShortcut(QKeySequence(ToQt(item.Shortcut()), QKeySequence::PortableText));
      }
      QObject::connect(action, &QAction::triggered, action, [&item] { Choose(item); });
      commands.emplace_back(action, &item);
    }
    action->setObjectName(ToQt(item.Name()));
    action->setVisible(item.Visible());
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [commands = std::move(commands)] {
    RunGuarded([&commands] { UpdateAutoEnabled(commands); });
  });
  return menu;
}

}  // namespace

QMenuBar* BuildMenuBar(const MenuBar& model, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  bar->setNativeMenuBar(false);
  for (std::size_t i = 0; i < model.Count(); ++i) {
    const MenuItem& item = model.Item(i);
    QAction* action = bar->addMenu(NewMenu(item, bar));
    action->setObjectName(ToQt(item.Name()));
    action->setVisible(item.Visible());
  }
  return bar;
}

}  // namespace korvanta
