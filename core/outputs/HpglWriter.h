// The drawing as an HP-GL plot file for the A3 sheet: one pen per layer, 40 plotter units
// to the paper millimetre.
#pragma once

#include <string>

class CCadDrawing;

// Pens: 1 outline, 2 hidden, 3 centre, 4 mounting, 5 dimensions, 6 notes, 7 border.
std::string WriteHpgl(const CCadDrawing& drawing);

inline constexpr double kHpglUnitsPerMm = 40.0;
