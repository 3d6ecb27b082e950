// The CAD viewer: the drawing's sheet with zoom, pan and fit, printing through the platform's
// print dialog, and saving as DXF, HP-GL, SVG or PDF.
#pragma once

#include "outputs/CadDrawing.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QPushButton;

// The sheet on screen. The wheel zooms about the cursor, dragging pans, "Fit" shows it whole.
class CCadCanvas : public QWidget
{
    Q_OBJECT

public:
    CCadCanvas(const CCadDrawing& drawing, QWidget* pParent = nullptr);

    void ZoomBy(double dFactor, const QPointF& fixed);
    void ZoomIn() { ZoomBy(1.25, rect().center()); }
    void ZoomOut() { ZoomBy(0.8, rect().center()); }
    void Fit();
    void PanBy(const QPointF& delta);
    // The sheet's rectangle on the widget.
    QRectF SheetRect() const;
    double Zoom() const { return m_dZoom; }

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    const CCadDrawing& m_drawing;
    double m_dZoom = 1.0;   // 1: the sheet fits the widget
    QPointF m_offset;       // pan, in widget pixels
    QPointF m_lastMouse;
};

class CCadViewer : public QDialog
{
    Q_OBJECT

public:
    // fnSave asks for a file and saves the drawing in the format its name asks for.
    CCadViewer(CCadDrawing drawing, std::function<void(QWidget*, const CCadDrawing&)> fnSave,
               QWidget* pParent = nullptr);

    CCadCanvas* Canvas() const { return m_pCanvas; }
    const CCadDrawing& Drawing() const { return m_drawing; }
    // Opens the platform's print dialog and prints the sheet on one page.
    void OnPrint();

private:
    CCadDrawing m_drawing;
    std::function<void(QWidget*, const CCadDrawing&)> m_fnSave;
    CCadCanvas* m_pCanvas = nullptr;
};
