// A CAD drawing as entities on layers, in model millimetres: the views at true size, and the
// sheet (border, title block, notes, dimension texts) drawn at the drawing's scale, so that a
// writer for paper divides by the scale and a CAD file keeps true sizes.
#pragma once

#include <string>
#include <vector>

enum class ECadLayer
{
    Outline,   // visible edges of the views
    Hidden,    // edges behind the surface: bores, port threads
    Center,    // centre lines
    Mounting,  // band clamps, as phantom lines
    Dimension, // dimension and leader lines, arrowheads and their texts
    Text,      // notes
    Border     // sheet border and title block
};
inline constexpr int kCadLayerCount = 7;
// The layer's name in CAD files: "OUTLINE", "HIDDEN", ...
const char* CadLayerName(ECadLayer eLayer);

struct SCadPoint
{
    double x = 0.0;
    double y = 0.0;
};

struct SCadLine
{
    ECadLayer eLayer;
    SCadPoint a, b;
};

struct SCadCircle
{
    ECadLayer eLayer;
    SCadPoint centre;
    double dRadius;
};

// Counter-clockwise from the start angle to the end angle, in degrees.
struct SCadArc
{
    ECadLayer eLayer;
    SCadPoint centre;
    double dRadius;
    double dStartDeg;
    double dEndDeg;
};

enum class ECadAlign
{
    Left,
    Centre,
    Right
};

// A line of text standing on its baseline at the anchor, turned by the rotation.
struct SCadText
{
    ECadLayer eLayer;
    SCadPoint anchor;
    double dHeight;
    std::string strText; // UTF-8
    ECadAlign eAlign = ECadAlign::Left;
    double dRotationDeg = 0.0;
};

// A filled triangle: the arrowheads.
struct SCadSolid
{
    ECadLayer eLayer;
    SCadPoint a, b, c;
};

struct SCadExtents
{
    SCadPoint min{1e300, 1e300};
    SCadPoint max{-1e300, -1e300};

    bool IsEmpty() const { return min.x > max.x; }
    void Add(const SCadPoint& p);
    double Width() const { return max.x - min.x; }
    double Height() const { return max.y - min.y; }
};

class CCadDrawing
{
public:
    // Paper size in millimetres, and model millimetres per paper millimetre (5 for 1:5).
    double m_dSheetWidth = 420.0;
    double m_dSheetHeight = 297.0;
    double m_dScale = 1.0;
    // The sheet's lower left corner in model coordinates.
    SCadPoint m_sheetOrigin;
    std::string m_strTitle; // the model number, for file and window titles

    std::vector<SCadLine> m_lines;
    std::vector<SCadCircle> m_circles;
    std::vector<SCadArc> m_arcs;
    std::vector<SCadText> m_texts;
    std::vector<SCadSolid> m_solids;

    // "1:5", "2:1".
    std::string ScaleText() const;
    // A point in paper millimetres from the sheet's lower left corner.
    SCadPoint ToPaper(const SCadPoint& p) const;
    // The extents of the geometry of one layer (text anchors count as points).
    SCadExtents Extents(ECadLayer eLayer) const;
    // The extents of everything.
    SCadExtents Extents() const;
};
