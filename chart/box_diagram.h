#pragma once

#include "surface.h"

namespace resonara {

// The Box Calculator's fixed picture of the enclosure: an oblique wire frame
// of the box, the baffle with the driver on it and the letters L, W, Df and Dr.
// It depends on nothing but the surface. On return the pen and brush selected
// before are selected again; text alignment and background are never touched.
void DrawBoxDiagram(Surface& surface);

}  // namespace resonara
