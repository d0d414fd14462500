#pragma once
// What the fuzz targets share: a scratch folder per process (removed at exit), files in
// it, and the checks whose failure ends the run with a message and abort(), which
// libFuzzer reports as a crash and keeps the input of.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "apps/leddisplay/HostedControl.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/MemoryPropertyBag.h"

namespace led::fuzz {

// The process's scratch folder, made on first use under $TMPDIR (or /tmp).
const std::string& ScratchDir();
// `path` as a file name inside the scratch folder: every character other than letters,
// digits, '.', '-' and '_' becomes '_', a leading '.' too (so neither "..", "/" nor a
// hidden name survives), cut to 40 characters; the same path always maps to the same file.
std::string ConfinedPath(const std::string& path);

// Writes bytes to scratch file `name` and returns its path.
std::string WriteScratch(const std::string& name, std::span<const uint8_t> bytes);
// A whole file's bytes as text; an unreadable file is a failure.
std::string ReadWhole(const std::string& path);

[[noreturn]] void Fail(const std::string& what);
// A refusal must carry one of the expected numbers and a description.
void ExpectClearError(const core::RuntimeError& error, std::initializer_list<int32_t> numbers);

// A control hosted as the tool hosts it, with its recorder off: records would cost more
// than the control.
struct FuzzedControl : apps::HostedControl {
  FuzzedControl() { Recorder().SetEnabled(false); }
};

// Saves `bag` as the scratch property file `name` and returns its path; a set that
// cannot be saved is a failure.
std::string SaveScratch(const platform::MemoryPropertyBag& bag, const std::string& name);
// The control's saved property file, loaded into a fresh control and saved again, must
// come out the same; a saved file that does not load is a failure too.
void ExpectSavedSetSurvives(apps::HostedControl& hosted);

}  // namespace led::fuzz
