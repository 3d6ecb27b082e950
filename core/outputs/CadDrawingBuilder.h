// The dimensioned two-view drawing of an accumulator outline on an A3 sheet: side view and
// the end view of the gas end, to one scale, with dimensions, notes and a title block.
#pragma once

#include "outputs/CadDrawing.h"
#include "outputs/CadOutline.h"
#include "outputs/CadPreferences.h"

#include <string>

// strDate is shown in the title block as given ("2026-11-02").
CCadDrawing BuildCadDrawing(const SCadOutline& outline, const SCadPreferences& preferences,
                            const std::string& strDate);

// The scale a drawing of that length and diameter gets: the largest standard one (2:1, 1:1,
// 1:2, 1:5, 1:10, 1:20, 1:50) at which both views and their dimensions fit the sheet.
double CadScaleFor(double dLength, double dDiameter);
