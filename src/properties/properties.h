// Convenience header: every property class.
#pragma once

#include "properties/color_property.h"
#include "properties/named_properties.h"
#include "properties/primitive.h"
#include "properties/property.h"
#include "properties/string_property.h"
