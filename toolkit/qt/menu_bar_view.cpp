#include "toolkit/qt/menu_bar_view.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <memory>
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

// The control one bar's Edit commands act on: the focused one. Escape in a
// menu opened from the bar leaves the bar active for the keyboard, holding
// the focus itself until a command is chosen or the user leaves it; a menu
// opened from there acts on the control that had the focus before.
class EditTarget {
 public:
  explicit EditTarget(QMenuBar* bar) : bar_(bar) {}

  void FocusChanged(QWidget* old, QWidget* now) {
    if (bar_ == nullptr || now != bar_) return;
    before_bar_ = old != nullptr && old->window() == bar_->window() ? old : nullptr;
  }

  QWidget* Widget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus == bar_ ? before_bar_.data() : focus;
  }

 private:
  QPointer<QMenuBar> bar_;
  QPointer<QWidget> before_bar_;
};

using Target = std::shared_ptr<const EditTarget>;

void Choose(MenuItem& item, const EditTarget& target) {
  RunGuarded([&item, &target] {
    if (const auto command = EditCommandNamed(item.Name())) {
      RunEditCommand(*command, target.Widget());
    } else {
      item.Action();
    }
  });
}

void UpdateAutoEnabled(const Commands& commands, const EditTarget& target) {
  for (const auto& [action, item] : commands) {
    if (!item->AutoEnabled()) continue;
    const auto command = EditCommandNamed(item->Name());
    action->setEnabled(!command || CanRunEditCommand(*command, target.Widget()));
  }
}

// A menu for model and its children; a child with children of its own
// becomes a submenu.
QMenu* NewMenu(const MenuItem& model, QWidget* parent, const Target& target) {
  auto* menu = new QMenu(ToQt(model.Text()), parent);
  Commands commands;
  for (std::size_t i = 0; i < model.Count(); ++i) {
    MenuItem& item = model.Item(i);
    QAction* action = nullptr;
    if (item.IsSeparator()) {
      action = menu->addSeparator();
    } else if (item.Count() > 0) {
      action = menu->addMenu(NewMenu(item, menu, target));
    } else {
      action = menu->addAction(ToQt(item.Text()));
      if (!item.Shortcut().empty()) {
        action->setShortcut(QKeySequence(ToQt(item.Shortcut()), QKeySequence::PortableText));
      }
      QObject::connect(action, &QAction::triggered, action,
                       [&item, target] { Choose(item, *target); });
      commands.emplace_back(action, &item);
    }
    action->setObjectName(ToQt(item.Name()));
    action->setVisible(item.Visible());
  }
  QObject::connect(menu, &QMenu::aboutToShow, menu, [commands = std::move(commands), target] {
    RunGuarded([&commands, &target] { UpdateAutoEnabled(commands, *target); });
  });
  return menu;
}

}  // namespace

QMenuBar* BuildMenuBar(const MenuBar& model, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  bar->setNativeMenuBar(false);
  auto target = std::make_shared<EditTarget>(bar);
  QObject::connect(qApp, &QApplication::focusChanged, bar,
                   [target](QWidget* old, QWidget* now) { target->FocusChanged(old, now); });
  for (std::size_t i = 0; i < model.Count(); ++i) {
    const MenuItem& item = model.Item(i);
    QAction* action = bar->addMenu(NewMenu(item, bar, target));
    action->setObjectName(ToQt(item.Name()));
    action->setVisible(item.Visible());
  }
  return bar;
}

}  // namespace korvanta
