// Paints a CAD drawing's sheet with QPainter: the viewer, printing and PDF use it alike.
#pragma once

#include <QRectF>

class CCadDrawing;
class QPainter;

// The sheet scaled into the target rectangle (device units), its proportions kept.
void PaintCadDrawing(QPainter& painter, const CCadDrawing& drawing, const QRectF& target);
// The rectangle the sheet takes in the target with its proportions kept, centred.
QRectF CadSheetRect(const CCadDrawing& drawing, const QRectF& target);
