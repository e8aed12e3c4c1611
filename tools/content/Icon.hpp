#pragma once

#include "tools/content/Raster.hpp"

// The program's icon for desktop menus: a camouflaged, riveted plate with the gun sight and the
// star, painted at 256 x 256 and scaled down for the smaller sizes.
Canvas paintIcon(int size);
