// Internal: not installed.
#pragma once
// What a LEDDisplayWidget holds: its host (surface, captions, container, the GDI table)
// and the control on it, with the one place where the control's errors become the
// errorOccurred signal. Internal to the widget's sources.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/platform/raster/SurfaceGdi.h"
#include "leddisplay/qt/Guarded.h"
#include "leddisplay/qt/LEDDisplayWidget.h"
#include "leddisplay/qt/Notifications.h"
#include "leddisplay/qt/WidgetContainer.h"
#include "leddisplay/qt/WidgetLabel.h"
#include "leddisplay/qt/WidgetSurface.h"
#include "leddisplay/qt/WidgetView.h"

namespace led::qt {

struct LEDDisplayWidget::Hosting {
  explicit Hosting(LEDDisplayWidget& owner);

  // Runs `work`; an error it raises becomes errorOccurred. True when it completed.
  template <class Work>
  bool Guard(Work&& work) {
    return Guarded(std::forward<Work>(work), [this](int number, const QString& description) {
      emit widget.errorOccurred(number, description);
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

  // Follows the surface's extent: fixed size with AutoSize, else a plain resize.
  void SyncGeometry();
  // The control's events as the widget's signals; arguments written back.
  void OnEvent(int32_t dispid, std::span<host::EventArg> args);
  void OnPropertyChanged(const std::string& name);
  // The NOTIFY signals (Notifications.h, as Start, Change and ChangeAll).
  void StartNotifying();
  void NotifyChange(const std::string& name);
  void NotifyChanges();
  // A point of the widget in the control's scale (the inner area's corner is 0, 0).
  float ControlX(double x);
  float ControlY(double y);
  // The extent AutoSize would give now (the control's AutoSizeExtent) in the widget's
  // pixels; none when the control has none or the surface would refuse it.
  std::optional<QSize> ReckonAutoExtent();
  // While AutoSize is off, tells the layout when that extent (the size hint) changed.
  void FollowSizeHint();
  // Takes the widget's palette as the surface's system colours and redraws.
  void ApplyPalette();

  // Sizing in the screen's pixels (WidgetSizing.cpp). The surface's pixels are the
  // device's: `ratio` of them to a widget pixel, at 15 / ratio twips each (so twips stay
  // the widget's), and the control draws at zoom `ratio`, or while fitting at FitZoom's.
  // FitSurface brings ratio, zoom, the surface's extent and `origin` (the display box's
  // corner in the widget, in surface pixels) up to date with the widget's size and
  // screen, and redraws what changed. Errors pass to the caller.
  void ApplyRatio(double deviceRatio);
  void FitSurface();
  QSize DeviceSize(QSize widgetSize) const;
  QSize WidgetSize(QSize deviceSize) const;
  // A box in surface pixels relative to the display box, in the widget's pixels.
  QRect WidgetRect(QRect deviceRect) const;
  // Whether the display box is fitted into the widget now (fitToSize, autoSize off).
  bool Fitting();

  LEDDisplayWidget& widget;
  WidgetView view;
  WidgetSurface surface;
  platform::SurfaceGdi gdi;
  WidgetLabel lowerCaption;
  WidgetLabel upperCaption;
  WidgetContainer container;
  host::Host host;
  control::LEDDisplay control;
  Notifications<LEDDisplayWidget> notifications;
  bool afterDoubleClick = false;
  bool fixedSize = false;
  QSize autoExtent;  // the last extent AutoSize gave
  QSize reckonedHint;
  double ratio = 1;
  bool fitToSize = false;
  QPoint origin;
};

}  // namespace led::qt
