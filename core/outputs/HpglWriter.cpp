// HP-GL output: pen moves, circles, arcs, filled arrowheads and labels on paper.
#include "outputs/HpglWriter.h"

#include "outputs/CadDrawing.h"
#include "platform/ControlText.h"

#include <cmath>
#include <cstdio>

namespace
{
// Line types: solid, then HP-GL's dashed patterns with their length in % of the diagonal.
const char* LineType(ECadLayer eLayer)
{
    switch (eLayer)
    {
    case ECadLayer::Hidden:
        return "LT2,1;";
    case ECadLayer::Center:
        return "LT4,2;";
    case ECadLayer::Mounting:
        return "LT6,2;";
    default:
        return "LT;";
    }
}

// Plot labels are plain ASCII on one line: the signs the drawing uses are spelt out, and no
// control character can end the label or start a command.
std::string LabelText(const std::string& strRaw)
{
    const std::string strUtf8 = OneLineText(strRaw);
    std::string strText;
    for (std::size_t i = 0; i < strUtf8.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(strUtf8[i]);
        if (strUtf8.compare(i, 2, "\xC3\x98") == 0)
            strText += "DIA ", ++i;
        else if (strUtf8.compare(i, 2, "\xC2\xB3") == 0)
            strText += "3", ++i;
        else if (strUtf8.compare(i, 2, "\xC2\xB0") == 0)
            strText += " DEG", ++i;
        else if (c >= 0x80)
        {
            strText += '?';
            while (i + 1 < strUtf8.size() && (static_cast<unsigned char>(strUtf8[i + 1]) & 0xC0) == 0x80)
                ++i;
        }
        else
            strText += static_cast<char>(c);
    }
    return strText;
}

class CPlot
{
public:
    explicit CPlot(const CCadDrawing& d) : m_d(d) {}

    void Pen(ECadLayer eLayer)
    {
        const int nPen = static_cast<int>(eLayer) + 1;
        if (nPen == m_nPen)
            return;
        m_nPen = nPen;
        m_out += "SP" + std::to_string(nPen) + ";" + LineType(eLayer);
    }
    void Move(const char* pszCommand, const SCadPoint& model)
    {
        const SCadPoint p = m_d.ToPaper(model);
        char szText[64];
        std::snprintf(szText, sizeof szText, "%s%ld,%ld;", pszCommand, std::lround(p.x * kHpglUnitsPerMm),
                      std::lround(p.y * kHpglUnitsPerMm));
        m_out += szText;
    }
    long Units(double dModel) const { return std::lround(dModel / m_d.m_dScale * kHpglUnitsPerMm); }

    std::string m_out;

private:
    const CCadDrawing& m_d;
    int m_nPen = 0;
};
} // namespace

std::string WriteHpgl(const CCadDrawing& d)
{
    CPlot plot(d);
    plot.m_out = "IN;IP0,0," + std::to_string(std::lround(d.m_dSheetWidth * kHpglUnitsPerMm)) + "," +
                 std::to_string(std::lround(d.m_dSheetHeight * kHpglUnitsPerMm)) + ";";
    for (const SCadLine& l : d.m_lines)
    {
        plot.Pen(l.eLayer);
        plot.Move("PU", l.a);
        plot.Move("PD", l.b);
    }
    for (const SCadCircle& c : d.m_circles)
    {
        plot.Pen(c.eLayer);
        plot.Move("PU", c.centre);
        plot.m_out += "CI" + std::to_string(plot.Units(c.dRadius)) + ";";
    }
    for (const SCadArc& a : d.m_arcs)
    {
        plot.Pen(a.eLayer);
        const double dStart = a.dStartDeg * M_PI / 180.0;
        plot.Move("PU", {a.centre.x + a.dRadius * std::cos(dStart), a.centre.y + a.dRadius * std::sin(dStart)});
        double dSweep = a.dEndDeg - a.dStartDeg;
        while (dSweep <= 0.0)
            dSweep += 360.0;
        plot.m_out += "PD;";
        plot.Move("AA", a.centre);
        plot.m_out.pop_back(); // the sweep follows the centre
        char szSweep[32];
        std::snprintf(szSweep, sizeof szSweep, ",%.3f;", dSweep);
        plot.m_out += szSweep;
    }
    for (const SCadSolid& s : d.m_solids)
    {
        // A filled polygon: recorded in polygon mode, then filled solid.
        plot.Pen(s.eLayer);
        plot.Move("PU", s.a);
        plot.m_out += "PM0;";
        plot.Move("PD", s.b);
        plot.Move("PD", s.c);
        plot.Move("PD", s.a);
        plot.m_out += "PM2;FT1;FP;";
    }
    for (const SCadText& t : d.m_texts)
    {
        plot.Pen(t.eLayer);
        const double dHeightCm = t.dHeight / d.m_dScale / 10.0;
        char szText[96];
        const double dRad = t.dRotationDeg * M_PI / 180.0;
        const int nOrigin = t.eAlign == ECadAlign::Left ? 1 : t.eAlign == ECadAlign::Centre ? 4 : 7;
        std::snprintf(szText, sizeof szText, "SI%.3f,%.3f;DI%.4f,%.4f;LO%d;", dHeightCm * 0.7, dHeightCm,
                      std::cos(dRad), std::sin(dRad), nOrigin);
        plot.m_out += szText;
        plot.Move("PU", t.anchor);
        plot.m_out += "LB" + LabelText(t.strText) + "\x03;";
    }
    plot.m_out += "PU;SP0;\n";
    return plot.m_out;
}
