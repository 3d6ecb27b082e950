// Dimensions and leaders of a drawing as plain entities (lines, arrowheads and texts) sized
// on paper, so that every reader shows them the same.
#pragma once

#include "outputs/CadDrawing.h"

#include <string>

class CCadAnnotator
{
public:
    explicit CCadAnnotator(CCadDrawing& drawing) : m_d(drawing) {}

    // Model millimetres of a length on paper.
    double Paper(double dPaperMm) const { return dPaperMm * m_d.m_dScale; }

    // A horizontal dimension between two feature points with its line at dLineY; the text
    // stands above the line, or beside it where the line is too short to hold it.
    void Horizontal(const SCadPoint& a, const SCadPoint& b, double dLineY, const std::string& strText);
    // A vertical dimension with its line at dLineX; the text reads along the line, between the
    // arrows or, where the line is too short to hold it, beyond the upper one.
    void Vertical(const SCadPoint& a, const SCadPoint& b, double dLineX, const std::string& strText);
    // A leader from a feature point to a circled letter at balloon.
    void Leader(const SCadPoint& feature, const SCadPoint& balloon, const std::string& strTag);

    // Text of the dimensions: 3.5 mm on paper.
    static constexpr double kTextHeight = 3.5;

private:
    // An arrowhead with its tip at the point, pointing along (dx, dy).
    void Arrow(const SCadPoint& tip, double dx, double dy);
    void Line(const SCadPoint& a, const SCadPoint& b) { m_d.m_lines.push_back({ECadLayer::Dimension, a, b}); }

    CCadDrawing& m_d;
};

// The width a text takes on paper, for placing it: an estimate of the sans-serif font.
double CadTextWidth(const std::string& strText, double dHeight);
