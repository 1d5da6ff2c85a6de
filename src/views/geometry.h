// Device-unit value types shared by every view: Point, Size, Rect and RgbColor.
#pragma once

#include "ramulo/geometry.h"
