// SVG output: one group per layer with its stroke, lines, circles, arcs, arrowheads and texts.
#include "outputs/SvgWriter.h"

#include "outputs/CadDrawing.h"
#include "outputs/XmlWriter.h"
#include "platform/ControlText.h"

#include <cmath>
#include <cstdio>

namespace
{
struct SLayerStroke
{
    ECadLayer eLayer;
    const char* pszColour;
    double dWidth;
    const char* pszDash; // empty: solid
};

const SLayerStroke kStrokes[] = {
    {ECadLayer::Outline, "#000000", 0.5, ""},           {ECadLayer::Hidden, "#1f4e9e", 0.25, "4 2"},
    {ECadLayer::Center, "#b22222", 0.18, "12 3 3 3"},   {ECadLayer::Mounting, "#8b008b", 0.25, "15 3 3 3 3 3"},
    {ECadLayer::Dimension, "#006400", 0.18, ""},        {ECadLayer::Text, "#000000", 0.18, ""},
    {ECadLayer::Border, "#000000", 0.35, ""},
};

class CSvg
{
public:
    explicit CSvg(const CCadDrawing& d) : m_d(d) {}
    // "x y" of a model point on the page (y grows downwards).
    std::string At(const SCadPoint& model) const
    {
        const SCadPoint p = m_d.ToPaper(model);
        return Number(p.x) + " " + Number(m_d.m_dSheetHeight - p.y);
    }
    std::string Paper(double dModel) const { return Number(dModel / m_d.m_dScale); }
    static std::string Number(double d)
    {
        char szText[32];
        std::snprintf(szText, sizeof szText, "%.3f", d);
        return szText;
    }
    std::string XY(const char* pszX, const char* pszY, const SCadPoint& model) const
    {
        const std::string strAt = At(model);
        const std::size_t nSpace = strAt.find(' ');
        return std::string(" ") + pszX + "=\"" + strAt.substr(0, nSpace) + "\" " + pszY + "=\"" +
               strAt.substr(nSpace + 1) + "\"";
    }

private:
    const CCadDrawing& m_d;
};
} // namespace

std::string WriteSvg(const CCadDrawing& d)
{
    const CSvg svg(d);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      CSvg::Number(d.m_dSheetWidth) + "mm\" height=\"" + CSvg::Number(d.m_dSheetHeight) +
                      "mm\" viewBox=\"0 0 " + CSvg::Number(d.m_dSheetWidth) + " " +
                      CSvg::Number(d.m_dSheetHeight) + "\">\n<title>" + CXmlWriter::Escape(OneLineText(d.m_strTitle)) +
                      "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const SLayerStroke& stroke : kStrokes)
    {
        out += std::string("<g id=\"") + CadLayerName(stroke.eLayer) + "\" stroke=\"" + stroke.pszColour +
               "\" stroke-width=\"" + CSvg::Number(stroke.dWidth) + "\" fill=\"none\" stroke-linecap=\"round\"";
        if (*stroke.pszDash != '\0')
            out += std::string(" stroke-dasharray=\"") + stroke.pszDash + "\"";
        out += ">\n";
        for (const SCadLine& l : d.m_lines)
            if (l.eLayer == stroke.eLayer)
                out += "<line" + svg.XY("x1", "y1", l.a) + svg.XY("x2", "y2", l.b) + "/>\n";
        for (const SCadCircle& c : d.m_circles)
            if (c.eLayer == stroke.eLayer)
                out += "<circle" + svg.XY("cx", "cy", c.centre) + " r=\"" + svg.Paper(c.dRadius) + "\"/>\n";
        for (const SCadArc& a : d.m_arcs)
        {
            if (a.eLayer != stroke.eLayer)
                continue;
            double dSweep = a.dEndDeg - a.dStartDeg;
            while (dSweep <= 0.0)
                dSweep += 360.0;
            const auto at = [&](double dDeg)
            {
                const double dRad = dDeg * M_PI / 180.0;
                return SCadPoint{a.centre.x + a.dRadius * std::cos(dRad), a.centre.y + a.dRadius * std::sin(dRad)};
            };
            // Counter-clockwise on the drawing is counter-clockwise on the page: sweep flag 0.
            out += "<path d=\"M " + svg.At(at(a.dStartDeg)) + " A " + svg.Paper(a.dRadius) + " " +
                   svg.Paper(a.dRadius) + " 0 " + (dSweep > 180.0 ? "1" : "0") + " 0 " + svg.At(at(a.dEndDeg)) +
                   "\"/>\n";
        }
        for (const SCadSolid& s : d.m_solids)
            if (s.eLayer == stroke.eLayer)
                out += "<polygon points=\"" + svg.At(s.a) + " " + svg.At(s.b) + " " + svg.At(s.c) +
                       "\" fill=\"" + stroke.pszColour + "\" stroke=\"none\"/>\n";
        for (const SCadText& t : d.m_texts)
        {
            if (t.eLayer != stroke.eLayer)
                continue;
            const char* pszAnchor = t.eAlign == ECadAlign::Left ? "start" : t.eAlign == ECadAlign::Centre ? "middle" : "end";
            const std::string strAt = svg.At(t.anchor);
            const std::size_t nSpace = strAt.find(' ');
            out += "<text" + svg.XY("x", "y", t.anchor) + " font-family=\"sans-serif\" font-size=\"" +
                   svg.Paper(t.dHeight * 1.4) + "\" text-anchor=\"" + pszAnchor + "\" fill=\"" + stroke.pszColour +
                   "\" stroke=\"none\"";
            if (t.dRotationDeg != 0.0)
                out += " transform=\"rotate(" + CSvg::Number(-t.dRotationDeg) + " " + strAt.substr(0, nSpace) + " " +
                       strAt.substr(nSpace + 1) + ")\"";
            out += ">" + CXmlWriter::Escape(OneLineText(t.strText)) + "</text>\n";
        }
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}
