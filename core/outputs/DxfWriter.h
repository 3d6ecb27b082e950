// The drawing as a DXF R12 file (ASCII): layers for outline, hidden and centre lines,
// mounting, dimensions, text and border; dimensions as lines, solids and texts.
#pragma once

#include <string>

class CCadDrawing;

// The file's bytes: model millimetres, Windows-1252 text.
std::string WriteDxf(const CCadDrawing& drawing);
