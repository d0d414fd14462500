// Internal: not installed.
#pragma once
// What a LEDDisplayWidget holds: the shared Qt host (ControlHost.h) on the widget, with
// the one place where the control's errors become the errorOccurred signal. Internal to
// the widget's sources.
#include <QSize>
#include <optional>
#include <string>

#include "leddisplay/qt/ControlEvents.h"
#include "leddisplay/qt/ControlHost.h"
#include "leddisplay/qt/ControlInput.h"
#include "leddisplay/qt/Guarded.h"
#include "leddisplay/qt/LEDDisplayWidget.h"
#include "leddisplay/qt/Notifications.h"

namespace led::qt {

struct LEDDisplayWidget::Hosting : ControlHost, ControlEvents {
  explicit Hosting(LEDDisplayWidget& owner);

  // Runs `work`; an error it raises becomes errorOccurred. True when it completed.
  template <class Work>
  bool Guard(Work&& work) {
    return Guarded(std::forward<Work>(work), [this](int number, const QString& description) {
      emit widget.errorOccurred(number, description);
    });
  }

  // Runs a property setter's `work` as Guard does; a refusal's description names the
  // property, and a warning naming the property, the refused value and the reason goes
  // to the console.
  template <class Work>
  bool GuardSet(const char* property, const QVariant& value, Work&& work) {
    return Guarded(std::forward<Work>(work), [&](int number, const QString& description) {
      qWarning().noquote() << "LEDDisplayWidget:"
                           << RefusalWarning(property, value, number, description);
      emit widget.errorOccurred(number, RefusedDescription(property, description));
    });
  }

  // What `read` gives (a control getter's value, converted for Qt); a default value,
  // and errorOccurred, when it fails.
  template <class Read>
  auto Get(Read&& read) -> decltype(read()) {
    decltype(read()) value{};
    Guard([&] { value = read(); });
    return value;
  }

  // Follows the surface's extent: a fixed size policy with AutoSize, else a plain resize.
  void SyncGeometry();
  // The control's events as the widget's signals (RaiseEvent writes the arguments back).
  void Changed() override;
  void Clicked() override;
  void DoubleClicked() override;
  void KeyDown(int& keyCode, int& shift) override;
  void KeyPress(int& keyAscii) override;
  void KeyUp(int& keyCode, int& shift) override;
  void MouseDown(int& button, int& shift, double& x, double& y) override;
  void MouseMove(int& button, int& shift, double& x, double& y) override;
  void MouseUp(int& button, int& shift, double& x, double& y) override;
  void OnPropertyChanged(const std::string& name);
  // The NOTIFY signals (Notifications.h, as Start, Change and ChangeAll).
  void StartNotifying();
  void NotifyChange(const std::string& name);
  void NotifyChanges();
  // While AutoSize is off, tells the layout when the auto-size extent (the size hint)
  // changed.
  void FollowSizeHint();
  // Takes the widget's palette as the surface's system colours and redraws.
  void ApplyPalette();
  // FitSurface at the widget's device pixel ratio (WidgetSizing.cpp).
  void FitSurface();

  LEDDisplayWidget& widget;
  Notifications<LEDDisplayWidget> notifications;
  ControlInput input{*this};
  bool fixedPolicy = false;  // the size policy is Fixed (AutoSize on)
  QSize autoExtent;          // the last extent AutoSize gave
  QSize autoSizeTold;        // the last size hint an unmanaged widget took (AutoSize on)
  QSize reckonedHint;
};

}  // namespace led::qt
