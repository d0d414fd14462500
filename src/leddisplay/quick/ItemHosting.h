// Internal: not installed.
#pragma once
// What a LEDDisplayItem holds: the front ends' shared host (qt/FrontEndHost.h) on the
// item, its errors as errorOccurred (kept until QML completed the item) and its refusals
// as qmlWarning (with the QML file and line). Internal to the item's sources.
#include <QImage>
#include <QUrl>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/qt/FrontEndHost.h"
#include "leddisplay/qt/Notifications.h"
#include "leddisplay/quick/ItemEvents.h"
#include "leddisplay/quick/ItemLayout.h"
#include "leddisplay/quick/ItemView.h"
#include "leddisplay/quick/LEDDisplayItem.h"

namespace led::quick {

struct LEDDisplayItem::Hosting : qt::FrontEndHost {
  explicit Hosting(LEDDisplayItem& owner, std::unique_ptr<ItemView> view);

  // What was reported before the item was complete, in order, then overflow when the
  // value overflowed then and still does.
  void ReportKept();

  // The item's device pixel ratio: its window's, 1 without one.
  double DeviceRatio() const override;
  // The implicit size is the extent AutoSize gives (ReckonAutoExtent; the start size
  // when none); with AutoSize on the Layout maxima follow it (ItemLayout.h), and the
  // display keeps that extent, centred in whatever size the item is given.
  void SyncGeometry() override;
  void OnPropertyChanged(const std::string& name) override;

  LEDDisplayItem& item;
  ItemView& itemView;  // owned by ControlHost::view
  qt::Notifications<LEDDisplayItem> notifications;
  QUrl mouseIcon;                                   // the URL the mouse icon was read from
  QUrl pictureBackGround;                           // the URL the background picture was read from
  std::vector<std::pair<int, QString>> keptErrors;  // reported before completion
  bool overflowKept = false;                        // overflow emitted before completion
  QImage picture;  // the last picture uploaded, drawn again into the same pixels
  ItemEvents events{item};
  ItemLayout layout;
  QMetaObject::Connection windowShown;  // the window's visibleChanged, to FollowFlashing

 private:
  // errorOccurred now, or, while QML is still creating the item (its handlers may not be
  // connected yet), once the item is complete (ReportKept).
  void Report(int number, const QString& description) override;
  void WarnRefused(const QString& warning) override;
};

}  // namespace led::quick
