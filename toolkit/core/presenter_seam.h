#pragma once

#include <utility>

namespace korvanta {

// The presenter installed behind one of the toolkit's seams (messages, file
// dialogs): the Qt layer installs the real one, tests their own, and each
// puts back the one it replaced. A seam is known by its presenter's type, so
// every seam has a type of its own. Made on first use, so a presenter can be
// installed at any time.
template <class Presenter>
Presenter& InstalledPresenter() {
  static Presenter presenter;
  return presenter;
}

// Installs the presenter and returns the one it replaces.
template <class Presenter>
Presenter ReplacePresenter(Presenter presenter) {
  return std::exchange(InstalledPresenter<Presenter>(), std::move(presenter));
}

}  // namespace korvanta
