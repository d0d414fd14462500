// Internal: not installed.
#pragma once
// The NOTIFY signals of a Qt host (the widget, the Qt Quick item), whose properties and
// signals bear the same names. The control names a property when one of its setters
// ran, even one that set the value the property had; a load names none. So each watched
// property keeps the value last told, and its signal is emitted only when a read
// differs. Start records the values as they are; Change emits the signal of the property
// the control named when its value differs from the one last told; ChangeAll does so for
// every property, for changes the control does not name (a load). Both then follow
// the read-outs: shownTextChanged when the shown text changed, overRangeChanged when
// overRange changed, overflow when it became true or stays true for a value set anew.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <cmath>
#include <iterator>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "leddisplay/qt/PropertyList.h"

namespace led::qt {

namespace notifications {

template <class T>
bool Same(const T& a, const T& b) {
  return a == b;
}
// A NaN set again is no change.
inline bool Same(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}
// Pictures are read as new pixmaps each time: compared by their pixels.
inline bool Same(const QPixmap& a, const QPixmap& b) {
  return a.toImage() == b.toImage();
}

// Reads the property; when it differs from `told` (or nothing was told yet) keeps the new
// value and, when `tell`, emits the property's signal with it.
template <class W, auto Get, auto Signal>
void Follow(W& host, QVariant& told, bool tell) {
  const auto now = (host.*Get)();
  using T = std::remove_cvref_t<decltype(now)>;
  if (told.isValid() && Same(told.value<T>(), now)) return;
  told = QVariant::fromValue(now);
  if (tell) emit(host.*Signal)(now);
}

template <class W>
struct Watched {
  const char* name;  // the control's, as its notification gives it
  void (*follow)(W&, QVariant& told, bool tell);
};

// One row of the list (PropertyList.h): the control's name, the getter and its signal.
#define LEDDISPLAY_QT_WATCHED(W, Type, getter, setter, Name) \
  {#Name, Follow<W, &W::getter, &W::getter##Changed>},

template <class W>
// clang-format off
constexpr Watched<W> kWatched[] = {
    LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_WATCHED, W)
    {"MouseIcon", Follow<W, &W::mouseIcon, &W::mouseIconChanged>},
    {"PictureBackGround", Follow<W, &W::pictureBackGround, &W::pictureBackGroundChanged>},
};
// clang-format on
}  // namespace notifications

template <class Host>
class Notifications {
 public:
  void Start(Host& host, bool overRange) {
    told_.assign(std::size(notifications::kWatched<Host>), QVariant());
    for (size_t i = 0; i < told_.size(); ++i)
      notifications::kWatched<Host>[i].follow(host, told_[i], false);
    overRange_ = overRange;
    shown_ = host.shownText();
    band_ = int(host.valueBand());
  }

  void Change(Host& host, const std::string& name, bool overRange) {
    if (told_.empty()) return;  // the control's start: nothing told yet
    if (held_) return;          // a load: ChangeAll tells its outcome at the end
    for (size_t i = 0; i < told_.size(); ++i) {
      if (name != notifications::kWatched<Host>[i].name) continue;
      notifications::kWatched<Host>[i].follow(host, told_[i], true);
      break;
    }
    FollowReadOuts(host, overRange, name == "Value");
  }

  // While a Hold lives, Change tells nothing: a load's steps (a picture it sets, say)
  // show passing states; the ChangeAll after it tells each change once.
  class Hold {
   public:
    explicit Hold(Notifications& n) : n_(n), was_(std::exchange(n.held_, true)) {}
    ~Hold() { n_.held_ = was_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    Notifications& n_;
    bool was_;
  };

  void ChangeAll(Host& host, bool overRange) {
    for (size_t i = 0; i < told_.size(); ++i)
      notifications::kWatched<Host>[i].follow(host, told_[i], true);
    FollowReadOuts(host, overRange, false);
  }

 private:
  void FollowReadOuts(Host& host, bool now, bool valueSet) {
    if (QString shown = host.shownText(); shown != shown_) {
      shown_ = std::move(shown);
      emit host.shownTextChanged(shown_);
    }
    if (const int band = int(host.valueBand()); band != band_) {
      band_ = band;
      emit host.valueBandChanged(host.valueBand());
    }
    const bool was = overRange_;
    overRange_ = now;
    if (now != was) emit host.overRangeChanged(now);
    if (now && (!was || valueSet)) emit host.overflow();
  }

  std::vector<QVariant> told_;  // per watched property, the value its signal last gave
  bool overRange_ = false;
  int band_ = 0;  // the valueBand valueBandChanged last gave
  bool held_ = false;
  QString shown_;  // the shown text shownTextChanged last gave
};

}  // namespace led::qt
