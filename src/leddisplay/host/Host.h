#pragma once
/// @file
/// Everything a control holds of its host, by reference; the host outlives the control.
#include "leddisplay/host/Container.h"
#include "leddisplay/host/Gdi.h"
#include "leddisplay/host/Label.h"
#include "leddisplay/host/Surface.h"

namespace led::host {

/// The host's parts, as the control's constructor takes them.
struct Host {
  Surface& surface;      ///< the control's window and drawing surface
  Label& lowerCaption;   ///< recorded as "Label1"
  Label& upperCaption;   ///< recorded as "Label2"
  Container& container;  ///< the container: events, property changes, ambient values
  Gdi& gdi;              ///< the GDI subset: device contexts, bitmaps, gradients
};

}  // namespace led::host
