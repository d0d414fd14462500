// LEDDisplayItem: the host it gives its control, sizing, and the scene graph's texture.
// The properties are in ItemProperties.cpp.
#include "leddisplay/quick/LEDDisplayItem.h"

#include <QQmlInfo>
#include <QQuickWindow>
#include <QSGImageNode>

#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/quick/ItemAccessible.h"
#include "leddisplay/quick/ItemHosting.h"
#include "leddisplay/quick/ItemPicture.h"

namespace led::quick {

namespace {

using platform::kit::kStartHeight;
using platform::kit::kStartWidth;

}  // namespace

// ---- The host ---------------------------------------------------------------------

LEDDisplayItem::Hosting::Hosting(LEDDisplayItem& owner, std::unique_ptr<ItemView> view)
    : FrontEndHost(std::move(view)), item(owner), itemView(static_cast<ItemView&>(*this->view)) {
  surface.SetSeeThrough(true);  // the backdrop is (ItemView.h)
  Start(events);
}

void LEDDisplayItem::Hosting::WarnRefused(const QString& warning) {
  qmlWarning(&item).noquote() << warning;
}

void LEDDisplayItem::Hosting::Report(int number, const QString& description) {
  if (item.isComponentComplete())
    emit item.errorOccurred(number, description);
  else
    keptErrors.emplace_back(number, description);
}

void LEDDisplayItem::Hosting::ReportKept() {
  for (const auto& [number, description] : std::exchange(keptErrors, {}))
    emit item.errorOccurred(number, description);
  if (std::exchange(overflowKept, false) && control.OverRange()) emit item.overflow();
}

double LEDDisplayItem::Hosting::DeviceRatio() const {
  return item.window() ? item.window()->effectiveDevicePixelRatio() : 1.0;
}

void LEDDisplayItem::Hosting::SyncGeometry() {
  const bool autoSize = core::IsTrue(control.AutoSize());
  const QSize extent = ViewSize(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
  const QSize hint =
      ReckonAutoExtent().value_or(autoSize ? extent : QSize(kStartWidth, kStartHeight));
  item.setImplicitSize(hint.width(), hint.height());
  layout.Follow(autoSize ? std::optional(hint) : std::nullopt);
}

void LEDDisplayItem::Hosting::OnPropertyChanged(const std::string& name) {
  itemView.Repaint();
  SyncGeometry();
  // What is shown may need another zoom to fit (a caption, the digits, the lengths).
  if (NeedsFit(name)) Fit();
  notifications.Change(item, name, control.OverRange());
}

// ---- Construction -----------------------------------------------------------------

LEDDisplayItem::LEDDisplayItem(QQuickItem* parent)
    : QQuickItem(parent), d_(std::make_unique<Hosting>(*this, std::make_unique<ItemView>(*this))) {
  setFlag(ItemHasContents);
  setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton);
  setAcceptHoverEvents(true);
  StartAccessibility(*this);
  d_->Guard([&] {
    d_->control.InitProperties();
    d_->control.Show();
  });
  d_->notifications.Start(*this, d_->control.OverRange());
  d_->SyncGeometry();
  connect(this, &QQuickItem::paletteChanged, this, [this] { d_->ApplyPalette(); });
  connect(this, &QQuickItem::scaleChanged, this, [this] { update(); });
  connect(this, &LEDDisplayItem::overflow, this, [this] {
    if (!isComponentComplete()) d_->overflowKept = true;
  });
}

LEDDisplayItem::~LEDDisplayItem() {
  d_->Guard([&] { d_->control.Terminate(); });
}

control::LEDDisplay& LEDDisplayItem::control() {
  return d_->control;
}

// ---- Sizing -----------------------------------------------------------------------

void LEDDisplayItem::componentComplete() {
  QQuickItem::componentComplete();
  d_->ApplyPalette();
  d_->layout.Attach(*this);  // the author's Layout attached object exists now
  d_->SyncGeometry();
  d_->Fit();
  JoinAccessibleTree(*this);
  d_->ReportKept();
}

// With autoSize on the display keeps its extent, centred in the item's new size.
void LEDDisplayItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
  QQuickItem::geometryChange(newGeometry, oldGeometry);
  if (newGeometry.size() != oldGeometry.size()) d_->Fit();
}

// In another window, or on a screen of another resolution, the captions measure anew and
// the surface follows the device pixel ratio.
void LEDDisplayItem::itemChange(ItemChange change, const ItemChangeData& value) {
  QQuickItem::itemChange(change, value);
  // A hidden display (or one in no window, or in a hidden one) keeps no flashing timer
  // running.
  if (change == ItemSceneChange) {
    QObject::disconnect(d_->windowShown);
    if (value.window != nullptr)
      d_->windowShown =
          connect(value.window, &QWindow::visibleChanged, this, [this] { d_->FollowFlashing(); });
  }
  if (change == ItemVisibleHasChanged || change == ItemSceneChange) d_->FollowFlashing();
  if (change != ItemSceneChange && change != ItemDevicePixelRatioHasChanged) return;
  if (change == ItemSceneChange) d_->ApplyPalette();
  d_->lowerCaption.Remeasure();
  d_->upperCaption.Remeasure();
  d_->Guard([&] {
    d_->control.Resize();
    d_->FitSurface(d_->DeviceRatio());
  });
}

// ---- The scene graph --------------------------------------------------------------

// The display box and captions are drawn into one picture of the item's device pixels,
// transparent around a fitted box, and uploaded as the node's texture only when the
// control drew since the last upload or the item's device size changed. A transparent
// display's backdrop is see-through (ItemView.h), so its picture is drawn as any other.
// The texture is sampled without smoothing: one texel per device pixel.
void LEDDisplayItem::updatePolish() {}

QSGNode* LEDDisplayItem::updatePaintNode(QSGNode* old, UpdatePaintNodeData*) {
  auto* node = static_cast<QSGImageNode*>(old);
  const QSize viewSize = size().toSize();
  const QSize device = d_->DeviceSize(viewSize);
  if (device.isEmpty() || !window()) {
    delete node;
    return nullptr;
  }
  if (!node) {
    node = window()->createImageNode();
    node->setOwnsTexture(true);
    d_->itemView.stale = true;
  }
  // One texel a device pixel, sampled as it is; under a scale (the item's or a parent's)
  // a smooth item is filtered.
  const QRectF unit = mapRectToScene(QRectF(0, 0, 1, 1));
  const bool scaled = !qFuzzyCompare(unit.width(), 1.0) || !qFuzzyCompare(unit.height(), 1.0);
  node->setFiltering(smooth() && scaled ? QSGTexture::Linear : QSGTexture::Nearest);
  if (d_->itemView.stale || !node->texture() || node->texture()->textureSize() != device) {
    QImage& picture = d_->picture;
    DrawPicture(*d_, viewSize, picture);
    if (hasActiveFocus()) {
      QPainter painter(&picture);
      d_->PaintFocusFrame(painter, viewSize);
    }
    node->setTexture(window()->createTextureFromImage(picture));
    node->setSourceRect(QRectF(QPointF(), QSizeF(picture.size())));
    d_->itemView.stale = false;
  }
  node->setRect(QRectF(QPointF(), QSizeF(device) / d_->ratio));
  return node;
}

}  // namespace led::quick
