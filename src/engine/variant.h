// Variant: the automation boundary's tagged value, with the VT codes hosts expect.
#pragma once

#include "ramulo/variant.h"
