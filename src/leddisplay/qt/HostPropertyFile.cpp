#include "leddisplay/qt/HostPropertyFile.h"

#include <QFile>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"
#include "leddisplay/platform/io/PropertyFile.h"

namespace led::qt {

namespace {

bool IsResource(const QString& path) {
  return path.startsWith(QLatin1Char(':'));
}

core::RuntimeError ResourceError(int number, const QString& path, const char* problem) {
  return core::RuntimeError(number,
                            "Path/File access error: '" + path.toStdString() + "' " + problem);
}

// A resource's bytes, with the limit and the errors of a file read.
std::string ReadResource(const QString& path) {
  QFile file(path);
  if (!file.exists())
    throw core::RuntimeError(core::kFileNotFound, "File not found: '" + path.toStdString() + "'");
  if (!file.open(QIODevice::ReadOnly))
    throw ResourceError(core::kFileAccess, path, "cannot be read");
  if (uintmax_t(file.size()) > platform::kMaxPropertyFileBytes)
    throw ResourceError(core::kFileAccess, path, "is over 256 MiB");
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), size_t(bytes.size()));
}

}  // namespace

void SaveHostProperties(control::LEDDisplay& control, const QString& path) {
  if (IsResource(path)) throw ResourceError(core::kFileAccess, path, "is a read-only resource");
  platform::MemoryPropertyBag bag;
  control.WriteProperties(bag);
  platform::SavePropertyFile(path.toStdString(), bag);
}

void LoadHostProperties(control::LEDDisplay& control, const QString& path) {
  platform::MemoryPropertyBag bag =
      IsResource(path) ? platform::ParsePropertyFile(ReadResource(path), path.toStdString())
                       : platform::LoadPropertyFile(path.toStdString());
  control.ReadProperties(bag);
}

void ShowLoaded(control::LEDDisplay& control) {
  control.Resize();
  control.Show();
}

}  // namespace led::qt
