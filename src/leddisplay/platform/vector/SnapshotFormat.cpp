#include "leddisplay/platform/vector/SnapshotFormat.h"

#include <filesystem>
#include <optional>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"

namespace led::platform {

namespace {

constexpr const char* kFormats = "png, svg or pdf";

std::optional<SnapshotFormat> Named(const std::string& name) {
  const std::string lowered = core::AsciiLowered(name);
  if (lowered == "png") return SnapshotFormat::kPng;
  if (lowered == "svg") return SnapshotFormat::kSvg;
  if (lowered == "pdf") return SnapshotFormat::kPdf;
  return std::nullopt;
}

[[noreturn]] void ThrowUnknown(const std::string& what) {
  throw core::RuntimeError(core::kInvalidCall,
                           core::RuntimeError::StandardDescription(core::kInvalidCall) + ": " +
                               what + " is not a picture format (" + kFormats + ")");
}

}  // namespace

SnapshotFormat SnapshotFormatOf(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (extension.empty()) return SnapshotFormat::kPng;
  if (const auto format = Named(extension.substr(1))) return *format;
  ThrowUnknown("the extension of \"" + path + "\"");
}

SnapshotFormat SnapshotFormatNamed(const std::string& name) {
  if (const auto format = Named(name)) return *format;
  ThrowUnknown("\"" + name + "\"");
}

}  // namespace led::platform
