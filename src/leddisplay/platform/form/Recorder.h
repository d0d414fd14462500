#pragma once
/// @file
/// Wraps a host and logs, in order, every call made through Host() that changes
/// something or draws, then forwards it to the wrapped host. The record is made before
/// forwarding, so a call the wrapped host refuses is logged too. Getters and
/// GetSysColor are forwarded without a record.
///
/// Each record is one JSON object as compact text on one line (no newline), its keys in
/// reading order: the call first, then its arguments as the call takes them:
///   {"call":"Line","x1":..,"y1":..,"x2":..,"y2":..,"color":..}   {"call":"Cls"}
///   {"call":"DrawWidth"|"ScaleMode"|"AutoRedraw"|"Width"|"Height"|"BackColor"|
///           "Appearance"|"BorderStyle"|"Enabled"|"MousePointer"|"MouseIcon"|"Picture",
///    "value":..}
///   {"call":"Label1.Left"|"Label1.Top"|"Label1.Caption"|"Label1.ForeColor"|
///           "Label1.Alignment"|"Label1.Font" (and Label2.*), "value":..}
///   {"call":"PropertyChanged","name":..}
///   {"call":"Event","name":..,"args":{name: value, ...}}   (logged before the handler;
///    the arguments sorted by name)
///   {"call":"GradientFill","mode":..,"vertices":[{"x","y","red","green","blue","alpha"}]}
///   {"call":"BitBlt","x","y","width","height","srcX","srcY"}
///   {"call":"CreateCompatibleDC","hdc"}  {"call":"SelectObject","hdc","object"}
///   {"call":"DeleteDC","hdc"}   (handles as the control passed them)
/// Single values: integral ones as JSON integers, others as the shortest decimal that
/// reads back as the same float, non-finite ones as "NaN", "Infinity", "-Infinity";
/// colours as unsigned numbers; Booleans as true/false; a font as an object of bold,
/// charset, italic, name, size (points), strikethrough, underline, weight (keys
/// sorted); a picture as {"height":..,"width":..}; none as null. Bytes of a text that
/// are not UTF-8 are written as U+FFFD.
#include <memory>
#include <string>
#include <vector>

#include "leddisplay/host/Host.h"

namespace led::platform {

/// A recording host in front of another host.
class Recorder {
 public:
  /// `inner` must outlive the recorder.
  explicit Recorder(host::Host& inner);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  /// The recording bundle to hand to the control.
  host::Host& Host() { return host_; }
  /// The records made since the start or the last Clear(), oldest first.
  const std::vector<std::string>& Calls() const;
  /// Forgets the records made so far.
  void Clear();
  /// While disabled, calls are forwarded without a record. Enabled at the start.
  void SetEnabled(bool enabled);
  /// Whether calls are being recorded.
  bool Enabled() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  host::Host host_;
};

}  // namespace led::platform
