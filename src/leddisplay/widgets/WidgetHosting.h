// Internal: not installed.
#pragma once
// What a LEDDisplayWidget holds: the front ends' shared host (qt/FrontEndHost.h) on the
// widget, its errors as errorOccurred and its refusals as console warnings. Internal to
// the widget's sources.
#include <QSize>
#include <string>

#include "leddisplay/qt/FrontEndHost.h"
#include "leddisplay/qt/Notifications.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"
#include "leddisplay/widgets/WidgetEvents.h"

namespace led::qt {

struct LEDDisplayWidget::Hosting : FrontEndHost {
  explicit Hosting(LEDDisplayWidget& owner);

  // The widget's device pixel ratio.
  double DeviceRatio() const override;
  // Follows the surface's extent: a fixed size policy with AutoSize, else a plain resize.
  void SyncGeometry() override;
  void OnPropertyChanged(const std::string& name) override;
  // While AutoSize is off, tells the layout when the auto-size extent (the size hint)
  // changed.
  void FollowSizeHint();

  LEDDisplayWidget& widget;
  Notifications<LEDDisplayWidget> notifications;
  WidgetEvents events{widget};
  bool fixedPolicy = false;  // the size policy is Fixed (AutoSize on)
  QSize autoExtent;          // the last extent AutoSize gave
  QSize autoSizeTold;        // the last size hint an unmanaged widget took (AutoSize on)
  QSize reckonedHint;

 private:
  void Report(int number, const QString& description) override;
  void WarnRefused(const QString& warning) override;
};

}  // namespace led::qt
