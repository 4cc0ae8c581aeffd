#pragma once

#include <memory>
#include <type_traits>
#include <typeindex>
#include <typeinfo>

#include "toolkit/qt/window.h"

namespace korvanta {

namespace detail {
// The open implicit instance of a window class, or nullptr.
Window* FindInstance(std::type_index type);
// Forgets window as its class's implicit instance, if it is one.
void ForgetInstance(const Window* window);
}  // namespace detail

// The one implicit instance of window class W. The first use builds it
// (Layout, CreateControls, Open) and the toolkit keeps it; later uses give the
// same window, shown or hidden, until Close or its close box ends it; the use
// after that builds a new one. An error in Layout or CreateControls destroys
// the half-built window and comes out of this call.
template <class W>
W& ImplicitInstance() {
  static_assert(std::is_base_of_v<Window, W>, "an implicit instance is a Window");
  if (Window* open = detail::FindInstance(typeid(W))) return static_cast<W&>(*open);
  return static_cast<W&>(detail::OpenInstance(typeid(W), std::make_unique<W>()));
}

// Whether W's implicit instance exists now (asking builds nothing).
template <class W>
bool IsOpen() {
  return detail::FindInstance(typeid(W)) != nullptr;
}

}  // namespace korvanta
