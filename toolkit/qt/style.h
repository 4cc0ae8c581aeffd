#pragma once

class QStyle;

namespace korvanta {

// The Qt style of the given name (nullptr when Qt has none), made to read no
// image through Qt's image reader while the first window is built and
// painted: each such read looks through every image-format plugin (and its
// format detection loads them all), and nothing Korvanta shows needs one. So
// the icons of the extension buttons of menu bars and tool bars, which Qt
// asks for while it builds every menu bar but shows only when the menus do
// not fit, wait until they are drawn; and a titled group box's frame is
// drawn from the style's own frame image, decoded by ReadPng, the way the
// style lays it out.
QStyle* NewToolkitStyle(const char* name);

}  // namespace korvanta
