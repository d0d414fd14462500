// The front ends' shared host: the control's events raised, errors and refusals in
// words, the wiring, fitting, the palette and the focus frame.
#include "leddisplay/qt/FrontEndHost.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "leddisplay/model/EventSet.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/qt/Enums.h"
#include "leddisplay/qt/PaletteColors.h"

namespace led::qt {

// ---- Events -------------------------------------------------------------------------

namespace {

int IntegerArg(std::span<host::EventArg> args, size_t i) {
  return args[i].value.ToInteger();
}

}  // namespace

void RaiseEvent(ControlEvents& events, int32_t dispid, std::span<host::EventArg> args) {
  const auto set = model::EventSet();
  int index = -1;
  for (size_t i = 0; i < set.size(); ++i)
    if (set[i].dispid == dispid) index = int(i);
  switch (index) {
    case model::kClickEvent:
      events.Clicked();
      break;
    case model::kDblClickEvent:
      events.DoubleClicked();
      break;
    case model::kChangeEvent:
      events.Changed();
      break;
    case model::kKeyPressEvent: {
      int keyAscii = IntegerArg(args, 0);
      events.KeyPress(keyAscii);
      args[0].value = core::Variant::FromLong(keyAscii);
      break;
    }
    case model::kKeyDownEvent:
    case model::kKeyUpEvent: {
      int keyCode = IntegerArg(args, 0), shift = IntegerArg(args, 1);
      if (index == model::kKeyDownEvent)
        events.KeyDown(keyCode, shift);
      else
        events.KeyUp(keyCode, shift);
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
        events.MouseDown(button, shift, x, y);
      else if (index == model::kMouseMoveEvent)
        events.MouseMove(button, shift, x, y);
      else
        events.MouseUp(button, shift, x, y);
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

// ---- Errors -------------------------------------------------------------------------

// The front ends' error numbers are the control's.
static_assert(int(enums::InvalidCall) == int(core::kInvalidCall));
static_assert(int(enums::Overflow) == int(core::kOverflow));
static_assert(int(enums::TypeMismatch) == int(core::kTypeMismatch));
static_assert(int(enums::FileNotFound) == int(core::kFileNotFound));
static_assert(int(enums::PathFileAccessError) == int(core::kFileAccess));
static_assert(int(enums::InvalidPropertyValue) == int(core::kInvalidPropertyValue));
static_assert(int(enums::InvalidPicture) == int(core::kInvalidPicture));
static_assert(int(enums::OutOfMemory) == kOutOfMemoryNumber);
static_assert(int(enums::InternalError) == kInternalErrorNumber);

QString RefusedDescription(const char* property, const QString& description) {
  return QLatin1String(property) + QStringLiteral(": ") + description;
}

QString RefusalWarning(const char* property, const QVariant& value, int number,
                       const QString& description) {
  QString shown;
  QDebug(&shown).noquote().nospace() << value;
  // QDebug prints a QVariant as "QVariant(type, value)": the value alone reads better.
  if (shown.startsWith(QLatin1String("QVariant(")) && shown.endsWith(QLatin1Char(')'))) {
    shown = shown.mid(9, shown.size() - 10);
    if (const qsizetype comma = shown.indexOf(QLatin1String(", ")); comma >= 0)
      shown = shown.mid(comma + 2);
  }
  return QStringLiteral("%1: %2 refused: %3 (%4)")
      .arg(QLatin1String(property), shown, description)
      .arg(number);
}

// ---- The host -----------------------------------------------------------------------

// The start extent is given before the resize handler is set: the control, not started
// yet, hears nothing of it.
void FrontEndHost::Start(ControlEvents& events) {
  ApplyRatio(DeviceRatio());
  const QSize start = DeviceSize(QSize(platform::kit::kStartWidth, platform::kit::kStartHeight));
  surface.SetExtentPixels(start.width(), start.height());
  surface.SetResizeHandler([this] {
    Recentre();
    control.Resize();
    if (!Rezooming()) SyncGeometry();
  });
  container.OnPropertyChanged([this](const std::string& name) {
    if (name == "FlashCells" || name == "FlashInterval") FollowFlashing();
    OnPropertyChanged(name);
  });
  flashTimer_.setSingleShot(true);
  flashTimer_.setTimerType(Qt::PreciseTimer);
  flashTimer_.callOnTimeout([this] { FollowFlashing(); });
  container.OnEvent([&events](int32_t dispid, std::span<host::EventArg> args) {
    RaiseEvent(events, dispid, args);
  });
}

void FrontEndHost::FollowFlashing() {
  if (!view->IsShown()) {
    flashTimer_.stop();
    return;
  }
  std::optional<int64_t> next;
  const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
  Guard([&] { next = flashClock_.Tick(control, now); });
  if (next)
    flashTimer_.start(int(std::max<int64_t>(*next, 1)));
  else
    flashTimer_.stop();
}

void FrontEndHost::Fit() {
  Guard([&] { FitSurface(DeviceRatio()); });
}

void FrontEndHost::ApplyPalette() {
  surface.SetSystemColors(SystemColorsOf(view->Palette()));
  Guard([&] { control.Refresh(); });
}

// Four filled strips rather than a pen: a pen's width and placement depend on the
// painter's scale and rendering hints, a filled pixel does not.
void FrontEndHost::PaintFocusFrame(QPainter& painter, QSize viewSize) {
  const QRect area = FocusRect(viewSize);
  if (area.isEmpty()) return;
  const QColor highlight = view->Palette().color(QPalette::Active, QPalette::Highlight);
  const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
  painter.fillRect(QRect(x, y, w, 1), highlight);
  painter.fillRect(QRect(x, y + h - 1, w, 1), highlight);
  painter.fillRect(QRect(x, y, 1, h), highlight);
  painter.fillRect(QRect(x + w - 1, y, 1, h), highlight);
}

}  // namespace led::qt
