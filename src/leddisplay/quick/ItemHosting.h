// Internal: not installed.
#pragma once
// What a LEDDisplayItem holds: the shared Qt host (ControlHost.h) on the item, with the
// one place where the control's errors become the errorOccurred signal. Internal to the
// item's sources.
#include <QImage>
#include <QQmlInfo>
#include <QUrl>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/qt/ControlHost.h"
#include "leddisplay/qt/ControlInput.h"
#include "leddisplay/qt/Guarded.h"
#include "leddisplay/qt/Notifications.h"
#include "leddisplay/quick/ItemEvents.h"
#include "leddisplay/quick/ItemLayout.h"
#include "leddisplay/quick/ItemView.h"
#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::quick {

struct LEDDisplayItem::Hosting : qt::ControlHost {
  explicit Hosting(LEDDisplayItem& owner, std::unique_ptr<ItemView> view);

  // Runs `work`; an error it raises becomes errorOccurred (Report). True when it completed.
  template <class Work>
  bool Guard(Work&& work) {
    return qt::Guarded(std::forward<Work>(work), [this](int number, const QString& description) {
      Report(number, description);
    });
  }
  // Runs a property setter's `work` as Guard does; a refusal's description names the
  // property, and a qmlWarning (with the QML file and line) names the property, the
  // refused value and the reason.
  template <class Work>
  bool GuardSet(const char* property, const QVariant& value, Work&& work) {
    return qt::Guarded(std::forward<Work>(work), [&](int number, const QString& description) {
      qmlWarning(&item).noquote() << qt::RefusalWarning(property, value, number, description);
      Report(number, qt::RefusedDescription(property, description));
    });
  }
  // errorOccurred now, or, while QML is still creating the item (its handlers may not be
  // connected yet), once the item is complete (ReportKept).
  void Report(int number, const QString& description);
  // What was reported before the item was complete, in order, then overflow when the
  // value overflowed then and still does.
  void ReportKept();

  // What `read` gives; a default value, and errorOccurred, when it fails.
  template <class Read>
  auto Get(Read&& read) -> decltype(read()) {
    decltype(read()) value{};
    Guard([&] { value = read(); });
    return value;
  }

  // The item's device pixel ratio: its window's, 1 without one.
  double DeviceRatio() const;
  // FitSurface at the item's device pixel ratio, guarded.
  void Fit();
  // The implicit size is the extent AutoSize gives (ReckonAutoExtent; the start size
  // when none); with AutoSize on the Layout maxima follow it (ItemLayout.h), and the
  // display keeps that extent, centred in whatever size the item is given.
  void SyncGeometry();
  void OnPropertyChanged(const std::string& name);
  // Takes the item's palette (ItemPalette.h) as the surface's system colours and redraws.
  void ApplyPalette();
  // Transparent: the picture drawn over black and, after the control drew again over a
  // white backdrop, over white, then matted (ItemPicture.h); the control draws over
  // black again after.
  QImage TransparentPicture(QSize viewSize);

  LEDDisplayItem& item;
  ItemView& itemView;  // owned by ControlHost::view
  qt::Notifications<LEDDisplayItem> notifications;
  QUrl mouseIcon;                                   // the URL the mouse icon was read from
  QUrl pictureBackGround;                           // the URL the background picture was read from
  std::vector<std::pair<int, QString>> keptErrors;  // reported before completion
  bool overflowKept = false;                        // overflow emitted before completion
  QImage matted;  // a transparent display's picture, drawn at the last polish
  ItemEvents events{item};
  ItemLayout layout;
  qt::ControlInput input{*this};
};

}  // namespace led::quick
