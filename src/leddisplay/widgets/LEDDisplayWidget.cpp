// LEDDisplayWidget: the host it gives its control, sizing, painting, and Qt input as
// the control's input. The properties are in WidgetProperties.cpp.
#include "leddisplay/widgets/LEDDisplayWidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/widgets/WidgetAccessible.h"
#include "leddisplay/widgets/WidgetHosting.h"
#include "leddisplay/widgets/WidgetView.h"

namespace led::qt {

namespace {

using platform::kit::kStartHeight;
using platform::kit::kStartWidth;

}  // namespace

// ---- The host ---------------------------------------------------------------------

LEDDisplayWidget::Hosting::Hosting(LEDDisplayWidget& owner)
    : FrontEndHost(std::make_unique<WidgetView>(owner)), widget(owner) {
  Start(events);
}

double LEDDisplayWidget::Hosting::DeviceRatio() const {
  return widget.devicePixelRatioF();
}

void LEDDisplayWidget::Hosting::Report(int number, const QString& description) {
  emit widget.errorOccurred(number, description);
}

void LEDDisplayWidget::Hosting::WarnRefused(const QString& warning) {
  qWarning().noquote() << "LEDDisplayWidget:" << warning;
}

// With AutoSize a fixed size policy keeps a layout at the size hint; a widget no layout
// manages takes that size itself. The display keeps its extent, centred in whatever size
// the widget is given.
void LEDDisplayWidget::Hosting::SyncGeometry() {
  if (core::IsTrue(control.AutoSize())) {
    autoExtent = ViewSize(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
    if (!fixedPolicy) {
      fixedPolicy = true;
      widget.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    // Only a new hint (what is shown changed) resizes: a size given since stays.
    const QWidget* parent = widget.parentWidget();
    const bool laidOut = parent && parent->layout() && parent->layout()->indexOf(&widget) >= 0;
    const QSize hint = widget.sizeHint();
    if (!laidOut && hint != autoSizeTold) widget.resize(hint);
    autoSizeTold = hint;
  } else {
    autoSizeTold = QSize();
    if (fixedPolicy) {
      fixedPolicy = false;
      widget.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    // While fitting the extent is the display box inside the widget, not its size.
    const QSize extent = ViewSize(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
    if (!fitToSize && widget.size() != extent) widget.resize(extent);
  }
  widget.updateGeometry();
}

void LEDDisplayWidget::Hosting::FollowSizeHint() {
  if (core::IsTrue(control.AutoSize())) return;
  const QSize hint = ReckonAutoExtent().value_or(QSize());
  if (hint == reckonedHint) return;
  reckonedHint = hint;
  widget.updateGeometry();
}

void LEDDisplayWidget::Hosting::OnPropertyChanged(const std::string& name) {
  widget.update();
  FollowSizeHint();
  if (name == "AutoSize") SyncGeometry();
  // What is shown may need another zoom to fit (a caption, the digits, the lengths).
  if (NeedsFit(name)) Fit();
  notifications.Change(widget, name, control.OverRange());
}

// ---- Construction -----------------------------------------------------------------

LEDDisplayWidget::LEDDisplayWidget(QWidget* parent)
    : QWidget(parent), d_(std::make_unique<Hosting>(*this)) {
  InstallAccessibleFactory();
  // A read-only display, like QLCDNumber: no Tab stop, no focus taken on a click. A
  // program that wants its key events gives it a focus policy.
  setFocusPolicy(Qt::NoFocus);
  // The kept image covers the widget, so Qt need not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  resize(kStartWidth, kStartHeight);
  d_->Guard([&] {
    d_->control.InitProperties();
    d_->control.Show();
  });
  d_->notifications.Start(*this, d_->control.OverRange());
  // Assistive tools hear of each new shown text (only a listening one needs the event).
  connect(this, &LEDDisplayWidget::shownTextChanged, this, [this](const QString& text) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(this, text);
    QAccessible::updateAccessibility(&event);
  });
}

LEDDisplayWidget::~LEDDisplayWidget() {
  d_->Guard([&] { d_->control.Terminate(); });
}

control::LEDDisplay& LEDDisplayWidget::control() {
  return d_->control;
}

void LEDDisplayWidget::refresh() {
  d_->Guard([&] { d_->control.Refresh(); });
}

// ---- Sizing -----------------------------------------------------------------------

QSize LEDDisplayWidget::sizeHint() const {
  if (const std::optional<QSize> reckoned = d_->ReckonAutoExtent()) return *reckoned;
  if (d_->autoExtent.isValid()) return d_->autoExtent;
  return QSize(kStartWidth, kStartHeight);
}

QSize LEDDisplayWidget::minimumSizeHint() const {
  return core::IsTrue(d_->control.AutoSize()) ? sizeHint() : QSize(0, 0);
}

void LEDDisplayWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d_->Fit();
}

void LEDDisplayWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  // A transparent display shows the part of the parent's picture it lies over.
  if (core::IsTrue(d_->control.Transparent())) d_->Guard([&] { d_->control.Show(); });
}

// On a screen of another resolution the captions measure differently: they are measured
// again and placed anew; on one of another device pixel ratio the surface follows it.
bool LEDDisplayWidget::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  // A hidden display keeps no flashing timer running.
  if (event->type() == QEvent::Show || event->type() == QEvent::Hide) d_->FollowFlashing();
  if (event->type() == QEvent::ScreenChangeInternal) {
    d_->lowerCaption.Remeasure();
    d_->upperCaption.Remeasure();
    d_->Guard([&] {
      d_->control.Resize();
      d_->FitSurface(d_->DeviceRatio());
    });
  }
  return handled;
}

void LEDDisplayWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) d_->ApplyPalette();
  if (event->type() != QEvent::EnabledChange) return;
  const core::Boolean own = core::ToBoolean(!testAttribute(Qt::WA_ForceDisabled));
  if (core::IsTrue(d_->control.Enabled()) != core::IsTrue(own))
    d_->Guard([&] { d_->control.SetEnabled(own); });
  // The disabled look comes or goes with a new pass.
  d_->Guard([&] { d_->control.Refresh(); });
}

// ---- Painting ---------------------------------------------------------------------

// The kept image is drawn one image pixel per device pixel (its pixels are the
// device's), at the display box's place; while fitting, the palette's window brush
// (the parent's texture, when it has one) lies around the box. Captions are Qt text at
// the device's resolution, clipped to the inner area as the raster form's labels are.
// The focus frame comes last, over everything.
void LEDDisplayWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // The window brush around a boxed display: everywhere but the box's widget pixels,
  // rounded inward (the box itself covers the seam), at the placement it is painted at.
  d_->Paint(painter, size(), [&] {
    if (!d_->Boxed()) return;
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(d_->BoxInside())));
    painter.setBrushOrigin(-pos());
    painter.fillRect(rect(), palette().window());
    painter.restore();
  });
  if (hasFocus()) d_->PaintFocusFrame(painter, size());
}

// ---- Input ------------------------------------------------------------------------

void LEDDisplayWidget::keyPressEvent(QKeyEvent* event) {
  bool swallowed = false;
  d_->Guard([&] { swallowed = d_->input.KeyPress(*event); });
  if (swallowed)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void LEDDisplayWidget::keyReleaseEvent(QKeyEvent* event) {
  d_->Guard([&] { d_->input.KeyRelease(*event); });
  QWidget::keyReleaseEvent(event);
}

void LEDDisplayWidget::mousePressEvent(QMouseEvent* event) {
  d_->Guard([&] { d_->input.MousePress(event->button(), event->modifiers(), event->position()); });
}

void LEDDisplayWidget::mouseMoveEvent(QMouseEvent* event) {
  d_->Guard([&] { d_->input.MouseMove(event->buttons(), event->modifiers(), event->position()); });
}

void LEDDisplayWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool inside = rect().contains(event->position().toPoint());
  d_->Guard([&] {
    d_->input.MouseRelease(event->button(), event->modifiers(), event->position(), inside);
  });
}

void LEDDisplayWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  d_->Guard(
      [&] { d_->input.MouseDoubleClick(event->button(), event->modifiers(), event->position()); });
}

}  // namespace led::qt
