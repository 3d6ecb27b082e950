// A small DXF R12 writer of our own: header, line types, layers, text style and entities.
#include "outputs/DxfWriter.h"

#include "outputs/CadDrawing.h"
#include "platform/ControlText.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <vector>

namespace
{
struct SLineType
{
    const char* pszName;
    const char* pszDescription;
    std::vector<double> pattern; // paper mm: dashes positive, gaps negative
};

const SLineType kLineTypes[] = {
    {"CONTINUOUS", "Solid line", {}},
    {"HIDDEN", "Hidden __ __ __", {4.0, -2.0}},
    {"CENTER", "Center ____ _ ____ _", {12.0, -3.0, 3.0, -3.0}},
    {"PHANTOM", "Phantom ____ _ _ ____", {15.0, -3.0, 3.0, -3.0, 3.0, -3.0}},
};

struct SLayerStyle
{
    ECadLayer eLayer;
    int nColour;
    const char* pszLineType;
};

const SLayerStyle kLayers[] = {
    {ECadLayer::Outline, 7, "CONTINUOUS"},  {ECadLayer::Hidden, 5, "HIDDEN"},
    {ECadLayer::Center, 1, "CENTER"},       {ECadLayer::Mounting, 6, "PHANTOM"},
    {ECadLayer::Dimension, 3, "CONTINUOUS"}, {ECadLayer::Text, 7, "CONTINUOUS"},
    {ECadLayer::Border, 7, "CONTINUOUS"},
};

class CDxf
{
public:
    void Code(int nCode, const std::string& strValue)
    {
        char szCode[16];
        std::snprintf(szCode, sizeof szCode, "%3d\n", nCode);
        m_out += szCode;
        m_out += strValue;
        m_out += '\n';
    }
    void Code(int nCode, double dValue)
    {
        char szValue[40];
        std::snprintf(szValue, sizeof szValue, "%.6f", dValue);
        std::string strValue = szValue;
        // Trailing zeros say nothing; one digit after the point stays.
        while (strValue.size() > 2 && strValue.back() == '0' && strValue[strValue.size() - 2] != '.')
            strValue.pop_back();
        Code(nCode, strValue);
    }
    void Code(int nCode, int nValue) { Code(nCode, std::to_string(nValue)); }
    void Point(int nBase, const SCadPoint& p)
    {
        Code(nBase, p.x);
        Code(nBase + 10, p.y);
        Code(nBase + 20, 0.0);
    }
    void Entity(const char* pszType, ECadLayer eLayer)
    {
        Code(0, pszType);
        Code(8, CadLayerName(eLayer));
    }
    std::string m_out;
};

// The drawing's text in the file's code page, on one line (a line break would end the group
// value and make the rest of the text entities of their own), with the diameter and degree
// signs as DXF control codes so that every reader shows them.
std::string DxfText(const std::string& strRaw)
{
    const std::string strUtf8 = OneLineText(strRaw);
    std::string strText;
    for (std::size_t i = 0; i < strUtf8.size(); ++i)
    {
        if (strUtf8.compare(i, 2, "\xC3\x98") == 0)
            strText += "%%c", ++i;
        else if (strUtf8.compare(i, 2, "\xC2\xB0") == 0)
            strText += "%%d", ++i;
        else
            strText += strUtf8[i];
    }
    return Utf8ToWindows1252(strText);
}

void Header(CDxf& dxf, const CCadDrawing& d)
{
    const SCadExtents extents = d.Extents();
    dxf.Code(0, "SECTION");
    dxf.Code(2, "HEADER");
    dxf.Code(9, "$ACADVER");
    dxf.Code(1, "AC1009");
    dxf.Code(9, "$DWGCODEPAGE");
    dxf.Code(3, "ANSI_1252");
    dxf.Code(9, "$INSBASE");
    dxf.Point(10, {0.0, 0.0});
    dxf.Code(9, "$EXTMIN");
    dxf.Point(10, extents.min);
    dxf.Code(9, "$EXTMAX");
    dxf.Point(10, extents.max);
    dxf.Code(9, "$LIMMIN");
    dxf.Code(10, d.m_sheetOrigin.x);
    dxf.Code(20, d.m_sheetOrigin.y);
    dxf.Code(9, "$LIMMAX");
    dxf.Code(10, d.m_sheetOrigin.x + d.m_dSheetWidth * d.m_dScale);
    dxf.Code(20, d.m_sheetOrigin.y + d.m_dSheetHeight * d.m_dScale);
    // Line type patterns are defined on paper: the drawing's scale makes them right.
    dxf.Code(9, "$LTSCALE");
    dxf.Code(40, d.m_dScale);
    dxf.Code(9, "$TEXTSTYLE");
    dxf.Code(7, "STANDARD");
    dxf.Code(0, "ENDSEC");
}

void Tables(CDxf& dxf)
{
    dxf.Code(0, "SECTION");
    dxf.Code(2, "TABLES");
    dxf.Code(0, "TABLE");
    dxf.Code(2, "LTYPE");
    dxf.Code(70, static_cast<int>(std::size(kLineTypes)));
    for (const SLineType& type : kLineTypes)
    {
        double dTotal = 0.0;
        for (const double d : type.pattern)
            dTotal += d < 0.0 ? -d : d;
        dxf.Code(0, "LTYPE");
        dxf.Code(2, type.pszName);
        dxf.Code(70, 0);
        dxf.Code(3, type.pszDescription);
        dxf.Code(72, 65);
        dxf.Code(73, static_cast<int>(type.pattern.size()));
        dxf.Code(40, dTotal);
        for (const double d : type.pattern)
            dxf.Code(49, d);
    }
    dxf.Code(0, "ENDTAB");

    dxf.Code(0, "TABLE");
    dxf.Code(2, "LAYER");
    dxf.Code(70, static_cast<int>(std::size(kLayers)) + 1);
    dxf.Code(0, "LAYER");
    dxf.Code(2, "0");
    dxf.Code(70, 0);
    dxf.Code(62, 7);
    dxf.Code(6, "CONTINUOUS");
    for (const SLayerStyle& layer : kLayers)
    {
        dxf.Code(0, "LAYER");
        dxf.Code(2, CadLayerName(layer.eLayer));
        dxf.Code(70, 0);
        dxf.Code(62, layer.nColour);
        dxf.Code(6, layer.pszLineType);
    }
    dxf.Code(0, "ENDTAB");

    dxf.Code(0, "TABLE");
    dxf.Code(2, "STYLE");
    dxf.Code(70, 1);
    dxf.Code(0, "STYLE");
    dxf.Code(2, "STANDARD");
    dxf.Code(70, 0);
    dxf.Code(40, 0.0);
    dxf.Code(41, 1.0);
    dxf.Code(50, 0.0);
    dxf.Code(71, 0);
    dxf.Code(42, 2.5);
    dxf.Code(3, "txt");
    dxf.Code(4, "");
    dxf.Code(0, "ENDTAB");
    dxf.Code(0, "ENDSEC");
}

void Entities(CDxf& dxf, const CCadDrawing& d)
{
    dxf.Code(0, "SECTION");
    dxf.Code(2, "ENTITIES");
    for (const SCadLine& l : d.m_lines)
    {
        dxf.Entity("LINE", l.eLayer);
        dxf.Point(10, l.a);
        dxf.Point(11, l.b);
    }
    for (const SCadCircle& c : d.m_circles)
    {
        dxf.Entity("CIRCLE", c.eLayer);
        dxf.Point(10, c.centre);
        dxf.Code(40, c.dRadius);
    }
    for (const SCadArc& a : d.m_arcs)
    {
        dxf.Entity("ARC", a.eLayer);
        dxf.Point(10, a.centre);
        dxf.Code(40, a.dRadius);
        dxf.Code(50, a.dStartDeg);
        dxf.Code(51, a.dEndDeg);
    }
    for (const SCadSolid& s : d.m_solids)
    {
        // A triangle is a solid whose fourth corner repeats the third.
        dxf.Entity("SOLID", s.eLayer);
        dxf.Point(10, s.a);
        dxf.Point(11, s.b);
        dxf.Point(12, s.c);
        dxf.Point(13, s.c);
    }
    for (const SCadText& t : d.m_texts)
    {
        dxf.Entity("TEXT", t.eLayer);
        dxf.Point(10, t.anchor);
        dxf.Code(40, t.dHeight);
        dxf.Code(1, DxfText(t.strText));
        if (t.dRotationDeg != 0.0)
            dxf.Code(50, t.dRotationDeg);
        if (t.eAlign != ECadAlign::Left)
        {
            dxf.Code(72, t.eAlign == ECadAlign::Centre ? 1 : 2);
            dxf.Point(11, t.anchor);
        }
    }
    dxf.Code(0, "ENDSEC");
}
} // namespace

std::string WriteDxf(const CCadDrawing& drawing)
{
    CDxf dxf;
    dxf.m_out.reserve(256 * 1024);
    Header(dxf, drawing);
    Tables(dxf);
    dxf.Code(0, "SECTION");
    dxf.Code(2, "BLOCKS");
    dxf.Code(0, "ENDSEC");
    Entities(dxf, drawing);
    dxf.Code(0, "EOF");
    return dxf.m_out;
}
