// Everything the searches use to cut a trial slip surface into slices, in one include.
#pragma once

#include "calc/run_data.h"
#include "calc/slicing_arc.h"
#include "calc/slicing_breaks.h"
#include "calc/slicing_circle_hits.h"
#include "calc/slicing_cohesion.h"
#include "calc/slicing_hits.h"
#include "calc/slicing_polygons.h"
#include "calc/slicing_radius.h"
#include "calc/slicing_strips.h"
