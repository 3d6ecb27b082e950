// The drawing as an SVG document of the A3 sheet, in paper millimetres.
#pragma once

#include <string>

class CCadDrawing;

std::string WriteSvg(const CCadDrawing& drawing);
