#include "leddisplay/qt/HostPropertyFile.h"

#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"

namespace led::qt {

void SaveHostProperties(control::LEDDisplay& control, const QString& path) {
  platform::MemoryPropertyBag bag;
  control.WriteProperties(bag);
  platform::SavePropertyFile(path.toStdString(), bag);
}

void LoadHostProperties(control::LEDDisplay& control, const QString& path) {
  platform::MemoryPropertyBag bag = platform::LoadPropertyFile(path.toStdString());
  control.ReadProperties(bag);
}

void ShowLoaded(control::LEDDisplay& control) {
  control.Resize();
  control.Show();
}

}  // namespace led::qt
