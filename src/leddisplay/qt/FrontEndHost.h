// Internal: not installed.
#pragma once
// What a Qt front end (the widget, the Qt Quick item) holds, in one shape for both: the
// shared host (ControlHost.h) wired to the front end, the one place where the control's
// errors become the front end's errorOccurred, and Qt input as the control's input.
//
// Errors. Guard runs a call into the control so that no exception leaves the front end: a
// run-time error, a failed allocation or any other exception is reported as (number,
// description), to the front end's Report; true when the call completed. GuardSet does so
// for a property's setter: the description names the property ("digits: Overflow"), and
// a console warning (WarnRefused) also gives the value, as QDebug prints it, and the
// number ("digits: 99999 refused: Overflow (6)"). Get gives what a read gives, or a
// default value (and the report) when it fails.
//
// Wiring. Start, at the end of the front end host's constructor, applies the device ratio,
// gives the surface the start extent (177 x 63 view pixels) and then connects: a resize
// of the surface centres the display box again, runs the control's Resize, then the front
// end's SyncGeometry (not while Paint has the display placed aside: Rezooming); a property the
// control names reaches OnPropertyChanged; the control's nine events reach `events`, RaiseEvent
// reading the container's arguments into plain values (Integer as int, Single as double) and
// writing back what the handler left in them.
#include <QDebug>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <cstdint>
#include <exception>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <utility>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/host/Container.h"
#include "leddisplay/platform/kit/FlashClock.h"
#include "leddisplay/qt/ControlHost.h"
#include "leddisplay/qt/ControlInput.h"

namespace led::qt {

// The control's nine events as a front end raises them.
class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  virtual void Changed() = 0;
  virtual void Clicked() = 0;
  virtual void DoubleClicked() = 0;
  virtual void KeyDown(int& keyCode, int& shift) = 0;
  virtual void KeyPress(int& keyAscii) = 0;
  virtual void KeyUp(int& keyCode, int& shift) = 0;
  virtual void MouseDown(int& button, int& shift, double& x, double& y) = 0;
  virtual void MouseMove(int& button, int& shift, double& x, double& y) = 0;
  virtual void MouseUp(int& button, int& shift, double& x, double& y) = 0;
};

// An event by its dispatch identifier; an unknown identifier raises nothing.
void RaiseEvent(ControlEvents& events, int32_t dispid, std::span<host::EventArg> args);

// The numbers of the two failures that are not the control's run-time errors.
constexpr int kOutOfMemoryNumber = 7, kInternalErrorNumber = 51;

// Runs `work`; what it throws goes to `report` as (number, description).
template <class Work, class Report>
bool Guarded(Work&& work, Report&& report) {
  try {
    work();
    return true;
  } catch (const core::RuntimeError& e) {
    report(int(e.number()), QString::fromStdString(e.description()));
  } catch (const std::bad_alloc&) {
    report(kOutOfMemoryNumber, QStringLiteral("Out of memory"));
  } catch (const std::exception& e) {
    report(kInternalErrorNumber, QStringLiteral("Internal error: ") + QString::fromUtf8(e.what()));
  }
  return false;
}

// A refused property value in words: the description errorOccurred gives, and the
// console warning.
QString RefusedDescription(const char* property, const QString& description);
QString RefusalWarning(const char* property, const QVariant& value, int number,
                       const QString& description);

class FrontEndHost : public ControlHost {
 public:
  explicit FrontEndHost(std::unique_ptr<HostView> view) : ControlHost(std::move(view)) {}
  virtual ~FrontEndHost() = default;

  template <class Work>
  bool Guard(Work&& work) {
    return Guarded(std::forward<Work>(work),
                   [this](int number, const QString& description) { Report(number, description); });
  }
  template <class Work>
  bool GuardSet(const char* property, const QVariant& value, Work&& work) {
    return Guarded(std::forward<Work>(work), [&](int number, const QString& description) {
      WarnRefused(RefusalWarning(property, value, number, description));
      Report(number, RefusedDescription(property, description));
    });
  }
  template <class Read>
  auto Get(Read&& read) -> decltype(read()) {
    decltype(read()) value{};
    Guard([&] { value = read(); });
    return value;
  }

  // The front end's device pixel ratio (its window's or screen's), 1 without one.
  virtual double DeviceRatio() const = 0;
  // Follows the surface's extent: the front end's size, size hint or implicit size.
  virtual void SyncGeometry() = 0;
  // The control named a property: a repaint, the geometry, a fit, the NOTIFY signal.
  virtual void OnPropertyChanged(const std::string& name) = 0;

  // The wiring described above.
  void Start(ControlEvents& events);
  // Flashing (platform/kit/FlashClock.h): while a cell flashes and the view is shown, a
  // one-shot timer turns the control's FlashPhase at each change; otherwise no timer
  // runs. Called when FlashCells or FlashInterval changed (Start wires that) and when the
  // view is shown or hidden.
  void FollowFlashing();
  // FitSurface at the front end's device ratio, guarded.
  void Fit();
  // Takes the view's palette as the surface's system colours and redraws.
  void ApplyPalette();
  // The focus indicator along FocusRect, on a painter in view pixels: a solid 1-pixel frame
  // in the palette's Highlight colour along its inside, over the border's outer ring (or,
  // without a border, the outermost pixels of the display). A style's own focus rectangle
  // is made for text and buttons and differs by style; a solid frame in the highlight
  // colour shows on any back colour and covers none of the digits.
  void PaintFocusFrame(QPainter& painter, QSize viewSize);

  ControlInput input{*this};

 private:
  QTimer flashTimer_;
  platform::kit::FlashClock flashClock_;
  // An error Guard caught, for errorOccurred.
  virtual void Report(int number, const QString& description) = 0;
  // The console warning of a refused property value.
  virtual void WarnRefused(const QString& warning) = 0;
};

}  // namespace led::qt
