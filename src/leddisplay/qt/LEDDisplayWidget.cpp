// LEDDisplayWidget: the host it gives its control, sizing, painting, and Qt input as
// the control's input. The properties are in WidgetProperties.cpp.
#include "leddisplay/qt/LEDDisplayWidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QtMath>

#include "leddisplay/model/EventSet.h"
#include "leddisplay/qt/Accessible.h"
#include "leddisplay/qt/FocusFrame.h"
#include "leddisplay/qt/Input.h"
#include "leddisplay/qt/PaletteColors.h"
#include "leddisplay/qt/WidgetHosting.h"
#include "leddisplay/qt/WidgetView.h"

namespace led::qt {

namespace {

constexpr int kStartWidth = 177, kStartHeight = 63;

int16_t IntegerArg(std::span<host::EventArg> args, size_t i) {
  return args[i].value.ToInteger();
}

}  // namespace

// ---- The host ---------------------------------------------------------------------

LEDDisplayWidget::Hosting::Hosting(LEDDisplayWidget& owner)
    : ControlHost(std::make_unique<WidgetView>(owner)), widget(owner) {
  ApplyRatio(owner.devicePixelRatioF());
  const QSize start = DeviceSize(QSize(kStartWidth, kStartHeight));
  surface.SetExtentPixels(start.width(), start.height());
  surface.SetResizeHandler([this] {
    control.Resize();
    SyncGeometry();
  });
  container.OnEvent(
      [this](int32_t dispid, std::span<host::EventArg> args) { OnEvent(dispid, args); });
  container.OnPropertyChanged([this](const std::string& name) { OnPropertyChanged(name); });
}

void LEDDisplayWidget::Hosting::SyncGeometry() {
  const QSize extent = ViewSize(QSize(surface.ExtentPixelsX(), surface.ExtentPixelsY()));
  if (core::IsTrue(control.AutoSize())) {
    autoExtent = extent;
    fixedSize = true;
    widget.setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    widget.setFixedSize(extent);
  } else {
    if (fixedSize) {
      fixedSize = false;
      widget.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
      widget.setMinimumSize(0, 0);
      widget.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // While fitting the extent is the display box inside the widget, not its size.
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

void LEDDisplayWidget::Hosting::ApplyPalette() {
  surface.SetSystemColors(SystemColorsOf(widget.palette()));
  Guard([&] { control.Refresh(); });
}

void LEDDisplayWidget::Hosting::OnPropertyChanged(const std::string& name) {
  widget.update();
  FollowSizeHint();
  if (name == "AutoSize") SyncGeometry();
  // What is shown may need another zoom to fit (a caption, the digits, the lengths).
  if (name == "AutoSize" || Fitting()) Guard([&] { FitSurface(); });
  NotifyChange(name);
}

void LEDDisplayWidget::Hosting::OnEvent(int32_t dispid, std::span<host::EventArg> args) {
  const auto events = model::EventSet();
  int index = -1;
  for (size_t i = 0; i < events.size(); ++i)
    if (events[i].dispid == dispid) index = int(i);
  switch (index) {
    case model::kClickEvent:
      emit widget.clicked();
      break;
    case model::kDblClickEvent:
      emit widget.doubleClicked();
      break;
    case model::kChangeEvent: {
      emit widget.changed();
      // Only a listening assistive tool needs the shown text worked out.
      if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(&widget, widget.shownText());
        QAccessible::updateAccessibility(&event);
      }
      break;
    }
    case model::kKeyPressEvent: {
      int keyAscii = IntegerArg(args, 0);
      emit widget.keyPress(keyAscii);
      args[0].value = core::Variant::FromLong(keyAscii);
      break;
    }
    case model::kKeyDownEvent:
    case model::kKeyUpEvent: {
      int keyCode = IntegerArg(args, 0), shift = IntegerArg(args, 1);
      if (index == model::kKeyDownEvent)
        emit widget.keyDown(keyCode, shift);
      else
        emit widget.keyUp(keyCode, shift);
      args[0].value = core::Variant::FromLong(keyCode);
      args[1].value = core::Variant::FromLong(shift);
      break;
    }
    case model::kMouseDownEvent:
    case model::kMouseMoveEvent:
    case model::kMouseUpEvent: {
      int button = IntegerArg(args, 0), shift = IntegerArg(args, 1);
      double x = args[2].value.ToSingle(), y = args[3].value.ToSingle();
      if (index == model::kMouseDownEvent)
        emit widget.mouseDown(button, shift, x, y);
      else if (index == model::kMouseMoveEvent)
        emit widget.mouseMove(button, shift, x, y);
      else
        emit widget.mouseUp(button, shift, x, y);
      args[0].value = core::Variant::FromLong(button);
      args[1].value = core::Variant::FromLong(shift);
      args[2].value = core::Variant::FromDouble(x);
      args[3].value = core::Variant::FromDouble(y);
      break;
    }
    default:
      break;
  }
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
  d_->StartNotifying();
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
  if (!core::IsTrue(d_->control.AutoSize()))
    if (const std::optional<QSize> reckoned = d_->ReckonAutoExtent()) return *reckoned;
  if (d_->autoExtent.isValid()) return d_->autoExtent;
  return QSize(kStartWidth, kStartHeight);
}

QSize LEDDisplayWidget::minimumSizeHint() const {
  return core::IsTrue(d_->control.AutoSize()) ? sizeHint() : QSize(0, 0);
}

void LEDDisplayWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  d_->Guard([&] { d_->FitSurface(); });
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
  if (event->type() == QEvent::ScreenChangeInternal) {
    d_->lowerCaption.Remeasure();
    d_->upperCaption.Remeasure();
    d_->Guard([&] {
      d_->control.Resize();
      d_->FitSurface();
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
  const QPoint origin = d_->origin;
  const QSize box(d_->surface.ExtentPixelsX(), d_->surface.ExtentPixelsY());
  const bool fitting = d_->Fitting();
  if (fitting) {
    // The box's widget pixels rounded inward: the box itself covers the seam.
    const double r = d_->ratio;
    const QRect inside(QPoint(qCeil(origin.x() / r), qCeil(origin.y() / r)),
                       QPoint(qFloor((origin.x() + box.width()) / r) - 1,
                              qFloor((origin.y() + box.height()) / r) - 1));
    painter.save();
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(inside)));
    painter.setBrushOrigin(-pos());
    painter.fillRect(rect(), palette().window());
    painter.restore();
  }
  d_->Paint(painter, size());
  if (hasFocus()) DrawFocusFrame(painter, rect(), palette());
}

// ---- Input ------------------------------------------------------------------------

void LEDDisplayWidget::keyPressEvent(QKeyEvent* event) {
  int16_t keyCode = KeyCodeOf(event->key()), shift = ShiftOf(event->modifiers());
  int16_t keyAscii = KeyAsciiOf(*event);
  bool swallowed = false;
  d_->Guard([&] {
    const bool hadCode = keyCode != 0;
    d_->control.KeyDown(keyCode, shift);
    swallowed = hadCode && keyCode == 0;
    if (keyAscii != 0 && !swallowed) {
      d_->control.KeyPress(keyAscii);
      swallowed = keyAscii == 0;
    }
  });
  if (swallowed)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void LEDDisplayWidget::keyReleaseEvent(QKeyEvent* event) {
  int16_t keyCode = KeyCodeOf(event->key()), shift = ShiftOf(event->modifiers());
  d_->Guard([&] { d_->control.KeyUp(keyCode, shift); });
  QWidget::keyReleaseEvent(event);
}

void LEDDisplayWidget::mousePressEvent(QMouseEvent* event) {
  int16_t button = ButtonOf(event->button()), shift = ShiftOf(event->modifiers());
  d_->afterDoubleClick = false;
  d_->Guard([&] {
    float x = d_->ControlX(event->position().x()), y = d_->ControlY(event->position().y());
    d_->control.MouseDown(button, shift, x, y);
  });
}

void LEDDisplayWidget::mouseMoveEvent(QMouseEvent* event) {
  int16_t button = ButtonsOf(event->buttons()), shift = ShiftOf(event->modifiers());
  d_->Guard([&] {
    float x = d_->ControlX(event->position().x()), y = d_->ControlY(event->position().y());
    d_->control.MouseMove(button, shift, x, y);
  });
}

// A left press and release over the widget is a click, except the release that ends a
// double click.
void LEDDisplayWidget::mouseReleaseEvent(QMouseEvent* event) {
  int16_t button = ButtonOf(event->button()), shift = ShiftOf(event->modifiers());
  const bool click = event->button() == Qt::LeftButton && !d_->afterDoubleClick &&
                     rect().contains(event->position().toPoint());
  d_->afterDoubleClick = false;
  d_->Guard([&] {
    float x = d_->ControlX(event->position().x()), y = d_->ControlY(event->position().y());
    d_->control.MouseUp(button, shift, x, y);
    if (click) d_->control.Click();
  });
}

void LEDDisplayWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return mousePressEvent(event);
  d_->afterDoubleClick = true;
  d_->Guard([&] { d_->control.DblClick(); });
}

}  // namespace led::qt
