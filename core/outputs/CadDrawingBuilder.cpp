// Laying out the views of an accumulator, its dimensions, notes and title block on the sheet.
#include "outputs/CadDrawingBuilder.h"

#include "outputs/CadDimension.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cmath>

namespace
{
// The drawing's texts in the string table.
constexpr int kNoteOverallLength = 59010, kNoteOutsideDiameter = 59011, kNoteFluidPort = 59012,
              kNoteBottomFluidPort = 59013, kNoteGasValve = 59014, kNoteGasPort = 59015, kNoteTopFluidPort = 59016,
              kNoteConstruction = 59017, kNoteOptions = 59018, kNoteService = 59019, kNoteModification = 59020,
              kNoteMounting = 59021, kNoteDimensions = 59022, kNotesHeading = 59023, kCellModelNumber = 59024,
              kCellDesignPressure = 59025, kCellCapacity = 59026, kCellScale = 59027, kCellDate = 59028,
              kCellDimensions = 59029, kCellSheet = 59030, kCellSheetOf = 59031;
// The sheet: A3 landscape with a 10 mm border; the title block in the lower right corner,
// the notes beside it, the views above them (all in paper millimetres).
constexpr double kSheetWidth = 420.0;
constexpr double kSheetHeight = 297.0;
constexpr double kBorder = 10.0;
constexpr double kTitleLeft = 230.0;
constexpr double kTitleTop = 60.0;
constexpr double kViewsBottom = 62.0;
constexpr double kViewsTop = 282.0;
// Room the views need around them: between side and end view, and for dimensions.
constexpr double kViewGap = 45.0;
constexpr double kMarginX = 50.0;
constexpr double kAbove = 32.0;
constexpr double kBelow = 40.0;
constexpr double kNoteHeight = 2.5;
constexpr std::size_t kNoteCharacters = 82;

class CBuilder
{
public:
    CBuilder(const SCadOutline& o, const SCadPreferences& p, const std::string& strDate)
        : m_o(o), m_prefs(p), m_strDate(strDate), m_a(m_d)
    {
        m_d.m_dSheetWidth = kSheetWidth;
        m_d.m_dSheetHeight = kSheetHeight;
        m_d.m_dScale = CadScaleFor(o.dLength, o.dDiameter);
        m_d.m_strTitle = o.strModelNumber;
        m_R = o.dDiameter / 2.0;
        const double s = m_d.m_dScale;
        // Both views centred across the sheet, and between the space for the dimensions.
        const double dPaperLeft = kBorder + (kSheetWidth - 2.0 * kBorder - (o.dLength + o.dDiameter) / s - kViewGap) / 2.0;
        const double dBand = kViewsTop - kViewsBottom;
        const double dPaperAxis = kViewsBottom + (dBand - (o.dDiameter / s + kAbove + kBelow)) / 2.0 + kBelow + m_R / s;
        m_d.m_sheetOrigin = {-dPaperLeft * s, -dPaperAxis * s};
        m_dEndX = o.dLength + kViewGap * s + m_R;
    }

    CCadDrawing Build()
    {
        Sheet();
        if (m_o.eBody == ECadBody::Piston)
            PistonViews();
        else
            BladderViews();
        CommonDimensions();
        Notes();
        TitleBlock();
        return std::move(m_d);
    }

private:
    SCadPoint P(double px, double py) const
    {
        return {m_d.m_sheetOrigin.x + px * m_d.m_dScale, m_d.m_sheetOrigin.y + py * m_d.m_dScale};
    }
    void Line(ECadLayer e, SCadPoint a, SCadPoint b) { m_d.m_lines.push_back({e, a, b}); }
    void Outline(SCadPoint a, SCadPoint b) { Line(ECadLayer::Outline, a, b); }
    void PaperLine(double x1, double y1, double x2, double y2) { Line(ECadLayer::Border, P(x1, y1), P(x2, y2)); }
    void PaperText(ECadLayer e, double px, double py, double dHeight, const std::string& strText,
                   ECadAlign eAlign = ECadAlign::Left)
    {
        // An empty cell or company is no entity: it would stand as an invisible object in the file.
        if (!strText.empty())
            m_d.m_texts.push_back({e, P(px, py), dHeight * m_d.m_dScale, strText, eAlign, 0.0});
    }
    std::string Length(double dMm, bool bDiameter = false) const
    {
        return FormatCadLength(dMm, m_prefs.eUnits, bDiameter);
    }
    // A rectangle across the axis from x1 to x2, dHalf high each side.
    void Box(ECadLayer e, double x1, double x2, double dHalf)
    {
        Line(e, {x1, dHalf}, {x2, dHalf});
        Line(e, {x1, -dHalf}, {x2, -dHalf});
        Line(e, {x1, -dHalf}, {x1, dHalf});
        Line(e, {x2, -dHalf}, {x2, dHalf});
    }
    // A bore or thread seen from the side: two hidden lines from the face and its bottom.
    void HiddenBore(double xFace, double xBottom, double dHalf)
    {
        Line(ECadLayer::Hidden, {xFace, dHalf}, {xBottom, dHalf});
        Line(ECadLayer::Hidden, {xFace, -dHalf}, {xBottom, -dHalf});
        Line(ECadLayer::Hidden, {xBottom, -dHalf}, {xBottom, dHalf});
    }
    void CentreLines()
    {
        const double dOver = m_a.Paper(4.0);
        Line(ECadLayer::Center, {-dOver, 0.0}, {m_o.dLength + dOver, 0.0});
        Line(ECadLayer::Center, {m_dEndX - m_R - dOver, 0.0}, {m_dEndX + m_R + dOver, 0.0});
        Line(ECadLayer::Center, {m_dEndX, -m_R - dOver}, {m_dEndX, m_R + dOver});
    }
    void Clamps()
    {
        const double dHalf = m_R + 1.5;
        for (const double dClamp : m_o.clamps)
            Box(ECadLayer::Mounting, dClamp - m_o.dClampWidth / 2.0, dClamp + m_o.dClampWidth / 2.0, dHalf);
    }

    void PistonViews()
    {
        const double L = m_o.dLength;
        const double R = m_R;
        const double c = std::min(0.05 * m_o.dDiameter, 3.0);
        // The outside with its four chamfers, and the seams where the caps meet the tube.
        const SCadPoint outline[] = {{0, R - c}, {c, R}, {L - c, R}, {L, R - c}, {L, -R + c}, {L - c, -R}, {c, -R}, {0, -R + c}};
        for (std::size_t i = 0; i < 8; ++i)
            Outline(outline[i], outline[(i + 1) % 8]);
        Outline({m_o.dCap, R}, {m_o.dCap, -R});
        Outline({L - m_o.dCap, R}, {L - m_o.dCap, -R});
        // The bore between the caps, the fluid port and the gas valve (or gas port) in them.
        Line(ECadLayer::Hidden, {m_o.dCap, m_o.dBore / 2.0}, {L - m_o.dCap, m_o.dBore / 2.0});
        Line(ECadLayer::Hidden, {m_o.dCap, -m_o.dBore / 2.0}, {L - m_o.dCap, -m_o.dBore / 2.0});
        const double dPortDepth = std::min(m_o.dPortDepth, 0.8 * m_o.dCap);
        const double dValveDepth = std::min(m_o.dValveDepth, 0.8 * m_o.dCap);
        HiddenBore(0.0, dPortDepth, m_o.dPortDiameter / 2.0);
        HiddenBore(L, L - dValveDepth, m_o.dValveDiameter / 2.0);
        CentreLines();
        Clamps();

        // End view of the gas end: the body, its chamfer, the valve and its guard.
        const SCadPoint centre{m_dEndX, 0.0};
        m_d.m_circles.push_back({ECadLayer::Outline, centre, R});
        m_d.m_circles.push_back({ECadLayer::Outline, centre, R - c});
        m_d.m_circles.push_back({ECadLayer::Outline, centre, m_o.dValveDiameter / 2.0});
        if (m_o.bValveGuard)
            m_d.m_circles.push_back({ECadLayer::Outline, centre, std::min(m_o.dValveDiameter * 1.25, R - c - 1.0)});

        m_a.Leader({dPortDepth / 2.0, m_o.dPortDiameter / 2.0}, {-m_a.Paper(12.0), R + m_a.Paper(6.0)}, "C");
        m_a.Leader({L - dValveDepth / 2.0, m_o.dValveDiameter / 2.0}, {L + m_a.Paper(12.0), R + m_a.Paper(6.0)}, "D");
    }

    void BladderViews()
    {
        const double L = m_o.dLength;
        const double R = m_R;
        const double h = m_o.dHead;
        const double x1 = m_o.dPortStem;
        const double x4 = L - m_o.dValveStem;
        // Each head is a circular arc from the body's edge to the apex on the axis.
        const double r = (R * R + h * h) / (2.0 * h);
        const double dLeftDeg = std::atan2(R, h - r) * 180.0 / M_PI;
        const double dRightDeg = std::atan2(R, r - h) * 180.0 / M_PI;
        m_d.m_arcs.push_back({ECadLayer::Outline, {x1 + r, 0.0}, r, dLeftDeg, 360.0 - dLeftDeg});
        m_d.m_arcs.push_back({ECadLayer::Outline, {x4 - r, 0.0}, r, 360.0 - dRightDeg, dRightDeg});
        Outline({x1 + h, R}, {x4 - h, R});
        Outline({x1 + h, -R}, {x4 - h, -R});
        // Where a stem of that half-width meets the head's arc.
        const auto meet = [&](double dHalf) { return r - std::sqrt(r * r - dHalf * dHalf); };

        // A port's stem from an end face to the head, with its thread bored into it.
        const auto stem = [&](double xFace, double xHead, double dStemDiameter, double dThread)
        {
            const double dHalf = std::min(dStemDiameter, 0.8 * m_o.dDiameter) / 2.0;
            const double xMeet = xHead + (xHead > xFace ? meet(dHalf) : -meet(dHalf));
            Outline({xFace, -dHalf}, {xFace, dHalf});
            Outline({xFace, dHalf}, {xMeet, dHalf});
            Outline({xFace, -dHalf}, {xMeet, -dHalf});
            HiddenBore(xFace, xFace + 0.6 * (xHead - xFace), dThread / 2.0);
            return dHalf;
        };
        // The fluid port at the left.
        const double dStem = stem(0.0, x1, m_o.dPortStemDiameter, m_o.dPortDiameter);
        // At the right the gas valve, its stem then its cap; or a transfer barrier's top port.
        double dRight = 0.0; // the right end's half-width, seen end on
        double xBalloon = 0.0;
        double dBalloon = 0.0;
        if (m_o.eBody == ECadBody::TransferBarrier)
        {
            dRight = dBalloon = stem(L, x4, m_o.dValveStemDiameter, m_o.dValveDiameter);
            xBalloon = L - 0.3 * m_o.dValveStem;
        }
        else
        {
            dBalloon = m_o.dValveDiameter / 2.0;
            dRight = 1.3 * dBalloon;
            const double xCap = L - 0.45 * m_o.dValveStem;
            Outline({x4 - meet(dBalloon), dBalloon}, {xCap, dBalloon});
            Outline({x4 - meet(dBalloon), -dBalloon}, {xCap, -dBalloon});
            Box(ECadLayer::Outline, xCap, L, dRight);
            xBalloon = (x4 + xCap) / 2.0;
        }
        CentreLines();
        Clamps();

        // End view of the upper end: the shell and the valve cap, or the stem and its port.
        m_d.m_circles.push_back({ECadLayer::Outline, {m_dEndX, 0.0}, R});
        m_d.m_circles.push_back({ECadLayer::Outline, {m_dEndX, 0.0}, dRight});
        if (m_o.eBody == ECadBody::TransferBarrier)
            m_d.m_circles.push_back({ECadLayer::Outline, {m_dEndX, 0.0}, m_o.dValveDiameter / 2.0});

        // Where the stems sit: from each end to the shell's apex.
        const double dStemLine = -R - m_a.Paper(7.0);
        m_a.Horizontal({0.0, -dStem}, {x1, 0.0}, dStemLine, Length(x1));
        m_a.Horizontal({x4, 0.0}, {L, -dRight}, dStemLine, Length(L - x4));
        m_a.Leader({0.3 * x1, dStem}, {-m_a.Paper(12.0), R + m_a.Paper(6.0)}, "C");
        m_a.Leader({xBalloon, dBalloon}, {L + m_a.Paper(12.0), R + m_a.Paper(6.0)}, "D");
    }

    void CommonDimensions()
    {
        const double L = m_o.dLength;
        m_a.Horizontal({0.0, -m_R}, {L, -m_R}, -m_R - m_a.Paper(16.0), "A  " + Length(L));
        m_a.Vertical({m_dEndX, m_R}, {m_dEndX, -m_R}, m_dEndX + m_R + m_a.Paper(14.0),
                     "B  " + Length(m_o.dDiameter, true));
        // Clamp positions from the fluid end, one row each above the view.
        double dRow = 9.0;
        for (const double dClamp : m_o.clamps)
        {
            m_a.Horizontal({0.0, m_R}, {dClamp, m_R + 1.5}, m_R + m_a.Paper(dRow), Length(dClamp));
            dRow += 8.0;
        }
    }

    void Notes()
    {
        // The notes are sentences of the string table, so that a language puts the values where it wants.
        const bool bTransfer = m_o.eBody == ECadBody::TransferBarrier;
        const int nRight = bTransfer ? kNoteTopFluidPort : m_o.bGasValve ? kNoteGasValve : kNoteGasPort;
        std::vector<std::string> notes = {
            FormatString(kNoteOverallLength, {Length(m_o.dLength)}),
            FormatString(kNoteOutsideDiameter, {Length(m_o.dDiameter, true)}),
            FormatString(bTransfer ? kNoteBottomFluidPort : kNoteFluidPort, {m_o.strPortLabel}),
            FormatString(nRight, {m_o.strValveLabel}),
            FormatString(kNoteConstruction, {m_o.strConstruction, m_o.strSeal}),
        };
        if (!m_o.strOptions.empty())
            notes.push_back(FormatString(m_o.eBody == ECadBody::Piston ? kNoteOptions
                                         : bTransfer                   ? kNoteService
                                                                       : kNoteModification,
                                         {m_o.strOptions}));
        notes.push_back(LoadString(kNoteMounting));
        notes.push_back(FormatString(kNoteDimensions, {CadUnitsText(m_prefs.eUnits)}));
        PaperText(ECadLayer::Text, kBorder + 4.0, kTitleTop - 7.0, 3.0, LoadString(kNotesHeading));
        // A note longer than the width goes on over further lines; the lines close up when
        // they would run past the border, so that nothing of a note is lost.
        std::vector<std::string> lines;
        for (const std::string& strNote : notes)
            for (std::string& strLine : WrappedNote(strNote))
                lines.push_back(std::move(strLine));
        const double dTop = kTitleTop - 12.0, dBottom = kBorder + 2.5;
        const double dPitch =
            lines.size() < 2 ? 4.4 : std::min(4.4, (dTop - dBottom) / static_cast<double>(lines.size() - 1));
        double y = dTop;
        for (const std::string& strLine : lines)
        {
            PaperText(ECadLayer::Text, kBorder + 4.0, y, kNoteHeight, strLine);
            y -= dPitch;
        }
    }

    // A note in lines of at most kNoteCharacters characters (not bytes: a translation has
    // letters of two bytes), broken at a blank; the further lines are indented past the note's
    // letter.
    static std::vector<std::string> WrappedNote(const std::string& strNote)
    {
        const std::string strIndent = "   ";
        std::vector<std::string> lines;
        std::string strRest = strNote;
        while (Characters(strRest) > kNoteCharacters - (lines.empty() ? 0 : strIndent.size()))
        {
            const std::size_t nRoom = kNoteCharacters - (lines.empty() ? 0 : strIndent.size());
            const std::size_t nCut = ByteOfCharacter(strRest, nRoom);
            std::size_t nBreak = strRest.rfind(' ', nCut);
            // A blank in the first half would leave a stub of a line: the word is cut instead.
            const bool bBlank = nBreak != std::string::npos && nBreak >= nCut / 2;
            if (!bBlank)
                nBreak = nCut;
            lines.push_back((lines.empty() ? "" : strIndent) + strRest.substr(0, nBreak));
            strRest = strRest.substr(nBreak + (bBlank ? 1 : 0));
        }
        lines.push_back((lines.empty() ? "" : strIndent) + strRest);
        return lines;
    }

    // UTF-8: a byte 10xxxxxx continues a character.
    static std::size_t Characters(const std::string& str)
    {
        return static_cast<std::size_t>(std::count_if(
            str.begin(), str.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }
    static std::size_t ByteOfCharacter(const std::string& str, std::size_t nCharacter)
    {
        std::size_t nSeen = 0;
        for (std::size_t i = 0; i < str.size(); ++i)
            if ((static_cast<unsigned char>(str[i]) & 0xC0) != 0x80 && nSeen++ == nCharacter)
                return i;
        return str.size();
    }

    void Cell(double x, double y, const std::string& strLabel, const std::string& strValue)
    {
        PaperText(ECadLayer::Border, x + 2.0, y + 6.8, 1.8, strLabel);
        PaperText(ECadLayer::Border, x + 2.0, y + 1.8, 3.0, strValue);
    }

    void Sheet()
    {
        const double x2 = kSheetWidth - kBorder;
        const double y2 = kSheetHeight - kBorder;
        PaperLine(kBorder, kBorder, x2, kBorder);
        PaperLine(x2, kBorder, x2, y2);
        PaperLine(x2, y2, kBorder, y2);
        PaperLine(kBorder, y2, kBorder, kBorder);
        // Title block frame: five rows, the lower two in three cells.
        PaperLine(kTitleLeft, kBorder, kTitleLeft, kTitleTop);
        PaperLine(kTitleLeft, kTitleTop, x2, kTitleTop);
        for (const double y : {50.0, 40.0, 30.0, 20.0})
            PaperLine(kTitleLeft, y, x2, y);
        for (const double x : {290.0, 350.0})
            PaperLine(x, kBorder, x, 30.0);
    }

    void TitleBlock()
    {
        const double x0 = kTitleLeft;
        PaperText(ECadLayer::Border, x0 + 3.0, 52.5, 5.0, m_prefs.strCompany);
        PaperText(ECadLayer::Border, x0 + 3.0, 43.0, 3.0, m_o.strDescription);
        Cell(x0, 30.0, LoadString(kCellModelNumber), "");
        PaperText(ECadLayer::Border, x0 + 40.0, 32.0, 4.5, m_o.strModelNumber);
        Cell(x0, 20.0, LoadString(kCellDesignPressure), m_o.strDesignPressure);
        Cell(290.0, 20.0, LoadString(kCellCapacity), m_o.strCapacity);
        Cell(350.0, 20.0, LoadString(kCellScale), m_d.ScaleText());
        Cell(x0, 10.0, LoadString(kCellDate), m_strDate);
        Cell(290.0, 10.0, LoadString(kCellDimensions), CadUnitsText(m_prefs.eUnits));
        Cell(350.0, 10.0, LoadString(kCellSheet), FormatString(kCellSheetOf, {"1", "1"}));
    }

    const SCadOutline& m_o;
    const SCadPreferences& m_prefs;
    std::string m_strDate;
    CCadDrawing m_d;
    CCadAnnotator m_a;
    double m_R = 0.0;
    double m_dEndX = 0.0; // centre of the end view
};
} // namespace

double CadScaleFor(double dLength, double dDiameter)
{
    for (const double s : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0})
    {
        const bool bWide = (dLength + dDiameter) / s + kViewGap + kMarginX <= kSheetWidth - 2.0 * kBorder;
        const bool bHigh = dDiameter / s + kAbove + kBelow <= kViewsTop - kViewsBottom;
        if (bWide && bHigh)
            return s;
    }
    return 100.0;
}

CCadDrawing BuildCadDrawing(const SCadOutline& outline, const SCadPreferences& preferences,
                            const std::string& strDate)
{
    return CBuilder(outline, preferences, strDate).Build();
}
