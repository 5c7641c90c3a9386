// Everything the searches use to cut a trial slip surface into slices, in one include.
#pragma once

#include "calc/run_data.h"
#include "calc/slicing/arc.h"
#include "calc/slicing/breaks.h"
#include "calc/slicing/circle_hits.h"
#include "calc/slicing/cohesion.h"
#include "calc/slicing/hits.h"
#include "calc/slicing/polygons.h"
#include "calc/slicing/radius.h"
#include "calc/slicing/strips.h"
