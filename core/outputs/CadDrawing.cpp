// The drawing's layers, scale text and extents.
#include "outputs/CadDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
// The points an arc passes through at its ends and at every quarter turn it crosses.
void AddArc(SCadExtents& extents, const SCadArc& arc)
{
    const auto at = [&](double dDeg)
    {
        const double dRad = dDeg * M_PI / 180.0;
        return SCadPoint{arc.centre.x + arc.dRadius * std::cos(dRad), arc.centre.y + arc.dRadius * std::sin(dRad)};
    };
    double dEnd = arc.dEndDeg;
    while (dEnd <= arc.dStartDeg)
        dEnd += 360.0;
    extents.Add(at(arc.dStartDeg));
    extents.Add(at(dEnd));
    for (double dQuarter = std::ceil(arc.dStartDeg / 90.0) * 90.0; dQuarter < dEnd; dQuarter += 90.0)
        extents.Add(at(dQuarter));
}

void AddLayer(SCadExtents& extents, const CCadDrawing& d, const ECadLayer* pLayer)
{
    const auto wanted = [&](ECadLayer e) { return pLayer == nullptr || *pLayer == e; };
    for (const SCadLine& l : d.m_lines)
        if (wanted(l.eLayer))
            extents.Add(l.a), extents.Add(l.b);
    for (const SCadCircle& c : d.m_circles)
        if (wanted(c.eLayer))
            extents.Add({c.centre.x - c.dRadius, c.centre.y - c.dRadius}),
                extents.Add({c.centre.x + c.dRadius, c.centre.y + c.dRadius});
    for (const SCadArc& a : d.m_arcs)
        if (wanted(a.eLayer))
            AddArc(extents, a);
    for (const SCadText& t : d.m_texts)
        if (wanted(t.eLayer))
            extents.Add(t.anchor);
    for (const SCadSolid& s : d.m_solids)
        if (wanted(s.eLayer))
            extents.Add(s.a), extents.Add(s.b), extents.Add(s.c);
}
} // namespace

const char* CadLayerName(ECadLayer eLayer)
{
    switch (eLayer)
    {
    case ECadLayer::Outline:
        return "OUTLINE";
    case ECadLayer::Hidden:
        return "HIDDEN";
    case ECadLayer::Center:
        return "CENTER";
    case ECadLayer::Mounting:
        return "MOUNTING";
    case ECadLayer::Dimension:
        return "DIMENSIONS";
    case ECadLayer::Text:
        return "TEXT";
    case ECadLayer::Border:
        return "BORDER";
    }
    return "0";
}

void SCadExtents::Add(const SCadPoint& p)
{
    min.x = std::min(min.x, p.x);
    min.y = std::min(min.y, p.y);
    max.x = std::max(max.x, p.x);
    max.y = std::max(max.y, p.y);
}

std::string CCadDrawing::ScaleText() const
{
    char szText[32];
    if (m_dScale < 1.0)
        std::snprintf(szText, sizeof szText, "%g:1", 1.0 / m_dScale);
    else
        std::snprintf(szText, sizeof szText, "1:%g", m_dScale);
    return szText;
}

SCadPoint CCadDrawing::ToPaper(const SCadPoint& p) const
{
    return {(p.x - m_sheetOrigin.x) / m_dScale, (p.y - m_sheetOrigin.y) / m_dScale};
}

SCadExtents CCadDrawing::Extents(ECadLayer eLayer) const
{
    SCadExtents extents;
    AddLayer(extents, *this, &eLayer);
    return extents;
}

SCadExtents CCadDrawing::Extents() const
{
    SCadExtents extents;
    AddLayer(extents, *this, nullptr);
    return extents;
}
