#include "toolkit/qt/style.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QIcon>
#include <QIconEngine>
#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QRect>
#include <QSize>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <optional>

#include "toolkit/qt/png_image.h"

namespace korvanta {
namespace {

// A standard icon of a style that the style makes only when it is first
// drawn or measured.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
  QString key() const override { return QStringLiteral("KorvantaDeferredIcon"); }
  // The style has an image for each icon deferred here.
  bool isNull() override { return false; }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }

 private:
  DeferredIconEngine(const DeferredIconEngine&) = default;

  const QIcon& Icon() {
    if (!icon_) icon_ = style_ != nullptr ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

// Fusion's frame image for group boxes, the pixels of each edge that stay
// unstretched, and the gap between the title line and the frame.
constexpr const char* kGroupBoxFrameImage =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr QMargins kGroupBoxFrameEdges(6, 6, 6, 6);
constexpr int kGroupBoxTitleGap = 3;

class ToolkitStyle : public QProxyStyle {
 public:
  explicit ToolkitStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
      return QIcon(new DeferredIconEngine(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameGroupBox && DrawGroupBoxFrame(*option, *painter, widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  // Fusion's frame of a group box with a title and no check box, pixel for
  // pixel: the frame image stretched over the box below its title line,
  // which is as high as the taller of the title's font and a radio
  // indicator. Anything else, or a Qt without that image, is left to the
  // style.
  bool DrawGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                         const QWidget* widget) const {
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool fusion =
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (!fusion || box == nullptr || box->title().isEmpty() || box->isCheckable()) return false;
    const QPixmap& image = GroupBoxFrameImage();
    if (image.isNull()) return false;
    const int title = std::max(pixelMetric(PM_ExclusiveIndicatorHeight, &option, widget),
                               option.fontMetrics.height());
    qDrawBorderPixmap(&painter, option.rect.adjusted(0, title + kGroupBoxTitleGap, 0, 0),
                      kGroupBoxFrameEdges, image);
    return true;
  }

  const QPixmap& GroupBoxFrameImage() const {
    if (!group_box_frame_) {
      group_box_frame_ = QPixmap::fromImage(ReadPng(QString::fromLatin1(kGroupBoxFrameImage)));
    }
    return *group_box_frame_;
  }

  mutable std::optional<QPixmap> group_box_frame_;
};

}  // namespace

QStyle* NewToolkitStyle(const char* name) {
  QStyle* base = QStyleFactory::create(QString::fromLatin1(name));
  return base != nullptr ? new ToolkitStyle(base) : nullptr;
}

}  // namespace korvanta
