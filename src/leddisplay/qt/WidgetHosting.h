// Internal: not installed.
#pragma once
// What a LEDDisplayWidget holds: its host (surface, captions, container, the GDI table)
// and the control on it, with the one place where the control's errors become the
// errorOccurred signal. Internal to the widget's sources.
#include <QSize>
#include <new>
#include <optional>
#include <string_view>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Variant.h"
#include "leddisplay/host/Host.h"
#include "leddisplay/qt/LEDDisplayWidget.h"
#include "leddisplay/qt/WidgetContainer.h"
#include "leddisplay/qt/WidgetLabel.h"
#include "leddisplay/qt/WidgetSurface.h"
#include "leddisplay/render/CellCache.h"

namespace led::qt {

struct LEDDisplayWidget::Hosting {
  explicit Hosting(LEDDisplayWidget& owner);

  // Runs `work`; an error it raises becomes errorOccurred. True when it completed.
  template <class Work>
  bool Guard(Work&& work) {
    try {
      work();
      return true;
    } catch (const core::RuntimeError& e) {
      emit widget.errorOccurred(e.number(), QString::fromStdString(e.description()));
    } catch (const std::bad_alloc&) {
      emit widget.errorOccurred(7, QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
      emit widget.errorOccurred(51,
                                QStringLiteral("Internal error: ") + QString::fromUtf8(e.what()));
    }
    return false;
  }

  // A property by its published name through the control's property table; a failed
  // read gives an empty value (and errorOccurred).
  core::Variant Get(std::string_view name);
  // Sets a property to the value `make` returns; a failure in either becomes errorOccurred.
  template <class Make>
  bool Put(std::string_view name, Make&& make) {
    return Guard([&] { Set(name, make()); });
  }
  void Set(std::string_view name, const core::Variant& value);

  // Follows the surface's extent: fixed size with AutoSize, else a plain resize.
  void SyncGeometry();
  // The control's events as the widget's signals; arguments written back.
  void OnEvent(int32_t dispid, std::span<host::EventArg> args);
  void OnPropertyChanged(const std::string& name);
  // A point of the widget in the control's scale (the inner area's corner is 0, 0).
  float ControlX(double x);
  float ControlY(double y);
  // The extent AutoSize would give now, reckoned by its rules without sizing anything;
  // none for a state it cannot size (no digits, or a row beyond 16 bits).
  std::optional<QSize> ReckonAutoExtent();
  // While AutoSize is off, tells the layout when that extent (the size hint) changed.
  void FollowSizeHint();

  LEDDisplayWidget& widget;
  WidgetSurface surface;
  WidgetLabel lowerCaption;
  WidgetLabel upperCaption;
  WidgetContainer container;
  host::Host host;
  control::LEDDisplay control;
  bool overRange = false;
  bool afterDoubleClick = false;
  bool fixedSize = false;
  QSize autoExtent;  // the last extent AutoSize gave
  QSize reckonedHint;
  render::CellCache hintCells;
};

}  // namespace led::qt
