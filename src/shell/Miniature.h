// The start screen's thumbnails: every project slot's linkage drawn small, all six at the
// scale of the newest project, so that projects of different sizes compare at a glance.
#pragma once

#include "core/Superficie.h"

namespace kelvra {

// The world extent, in mm, every thumbnail shows across and down: the swingarm pivot's x,
// plus the swingarm's length, plus the wheel axle's y, of project `n`. 0 for a slot that is
// not a project.
float EstensioneMiniature(int n);

// Draws the linkage of slot `p` into `miniatura` (already cleared) at `estensione` mm across.
// Draws nothing, and gives false, for a slot with no linkage (only the swingarm, or more
// elements than a slot holds), an extent that is not a positive finite number, or a picture
// with no area to fit it in.
bool DisegnaMiniatura(Superficie& miniatura, int p, float estensione);

} // namespace kelvra
