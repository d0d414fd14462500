#pragma once
// Everything a control holds of its host, by reference; the host outlives the control.
#include "leddisplay/host/Container.h"
#include "leddisplay/host/Gdi.h"
#include "leddisplay/host/Label.h"
#include "leddisplay/host/Surface.h"

namespace led::host {

struct Host {
  Surface& surface;
  Label& lowerCaption;  // recorded as "Label1"
  Label& upperCaption;  // recorded as "Label2"
  Container& container;
  Gdi& gdi;
};

}  // namespace led::host
