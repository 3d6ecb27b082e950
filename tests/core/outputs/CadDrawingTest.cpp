// The drawing of a selection from its mailbox row: outline extents, dimensions and title block
// against hand-checked catalogue numbers, read back from DXF by ezdxf and from HP-GL by a parser
// of the test's own; every piston and bladder model of the catalogue drawn to its catalogue size.
#include "BuiltCatalogue.h"
#include "CadMailboxFixture.h"
#include "CatalogueRows.h"
#include "ReadBack.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadFiles.h"
#include "outputs/CadOutline.h"
#include "outputs/HpglWriter.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace
{
// PA31-4-150: a 150 in³ body in a 4 in bore is 11.94 in long, the caps 3 in each: 17.9 in
// as the catalogue rounds it. Wall for 3000 psi: 3000 x 2 / (30000 - 1800) = 0.213 in,
// outside 4.426 in, up to the next eighth: 4.5 in.
constexpr double kPistonLength = 17.9 * 25.4;
constexpr double kPistonDiameter = 4.5 * 25.4;
// BA 2.5 gal, 8 in shell: body 577.5 / 50.27 = 11.49 in, heads 6.4 in, stems 3 in: 20.9 in;
// wall 3000 x 4 / 28200 = 0.426 in, outside 8.851 in, up to the next eighth: 8.875 in.
constexpr double kBladderLength = 20.9 * 25.4;
constexpr double kBladderDiameter = 8.875 * 25.4;
// TB 10 gal: the BA 10 gal shell (body 2310 / 50.27 = 45.95 in, heads and stems 9.4 in: 55.4 in)
// with a top port 1.5 in longer than the gas valve's stem: 56.9 in, the same 8.875 in shell.
constexpr double kTransferLength = 56.9 * 25.4;

// The first dimension text that a line of the drawing runs through, or empty text. A text's box on
// paper is its height by 0.8 of its height per character (a sans-serif font's average), less a
// tenth of the height all round, where serifs of neighbouring lines may touch.
std::string DimensionTextCrossedByALine(const CCadDrawing& d)
{
    for (const SCadText& t : d.m_texts)
    {
        if (t.eLayer != ECadLayer::Dimension || t.strText.size() < 2)
            continue; // a balloon's letter sits in its circle
        std::size_t nCharacters = 0;
        for (const unsigned char c : t.strText)
            nCharacters += (c & 0xC0) != 0x80 ? 1 : 0;
        const double dWidth = 0.8 * t.dHeight * static_cast<double>(nCharacters);
        const double dAlong = t.eAlign == ECadAlign::Left ? 0.0 : t.eAlign == ECadAlign::Centre ? 0.5 : 1.0;
        const double dInset = 0.1 * t.dHeight;
        // Along the text from -dAlong x width, across it from the baseline up to the height.
        double x0, x1, y0, y1;
        if (t.dRotationDeg == 0.0)
            x0 = t.anchor.x - dAlong * dWidth, x1 = x0 + dWidth, y0 = t.anchor.y, y1 = y0 + t.dHeight;
        else if (t.dRotationDeg == 90.0)
            y0 = t.anchor.y - dAlong * dWidth, y1 = y0 + dWidth, x1 = t.anchor.x, x0 = x1 - t.dHeight;
        else
            continue;
        x0 += dInset, x1 -= dInset, y0 += dInset, y1 -= dInset;
        for (const SCadLine& line : d.m_lines)
        {
            // Liang-Barsky: the part of the segment inside the box.
            const double dx = line.b.x - line.a.x, dy = line.b.y - line.a.y;
            double t0 = 0.0, t1 = 1.0;
            bool bInside = true;
            for (const auto& [p, q] : {std::pair{-dx, line.a.x - x0}, std::pair{dx, x1 - line.a.x},
                                       std::pair{-dy, line.a.y - y0}, std::pair{dy, y1 - line.a.y}})
            {
                if (p == 0.0)
                    bInside = bInside && q >= 0.0;
                else if (p < 0.0)
                    t0 = std::max(t0, q / p);
                else
                    t1 = std::min(t1, q / p);
            }
            if (bInside && t0 < t1)
                return t.strText;
        }
    }
    return std::string();
}

class CCadDrawingTest : public CCadMailboxFixture
{
protected:
    SCadOutline Outline(const CBaseProduct& d)
    {
        std::string strError;
        SCadMailboxRow row;
        EXPECT_TRUE(m_mailbox.RequestCadDrawing(d.GetCadConversion(), row, strError)) << strError;
        SCadOutline outline;
        EXPECT_TRUE(LoadCadOutline(m_mailbox.Database(), row, outline, strError)) << strError;
        return outline;
    }
    CCadDrawing Draw(const CBaseProduct& d, ECadUnits eUnits = ECadUnits::Both)
    {
        const SCadOutline outline = Outline(d);
        SCadPreferences prefs;
        prefs.eUnits = eUnits;
        prefs.strCompany = "Hydraulik Nord GmbH";
        return BuildCadDrawing(outline, prefs, "2026-11-02");
    }
    static bool HasText(const CCadDrawing& d, const std::string& strText)
    {
        return std::any_of(d.m_texts.begin(), d.m_texts.end(), [&](const SCadText& t) { return t.strText == strText; });
    }
    static void ExpectTexts(const CCadDrawing& d, std::initializer_list<const char*> texts)
    {
        for (const char* pszText : texts)
            EXPECT_TRUE(HasText(d, pszText)) << pszText;
    }
    // Where the side view's outline lines end (the end view is circles).
    static double OutlineRight(const CCadDrawing& d)
    {
        double dRight = 0.0;
        for (const SCadLine& l : d.m_lines)
            if (l.eLayer == ECadLayer::Outline)
                dRight = std::max({dRight, l.a.x, l.b.x});
        return dRight;
    }
    // ezdxf's reading of the drawing's DXF file: no errors, the outline from x = 0 and as high as
    // the diameter (with the end view the width grows, the height not).
    nlohmann::json ReadDxf(const CCadDrawing& d, double dDiameter)
    {
        const fs::path file = m_dir / "drawing.dxf";
        std::string strError;
        EXPECT_TRUE(WriteFileWhole(file, CadFileBytes(d, ECadFormat::Dxf), strError)) << strError;
        const nlohmann::json dxf = nlohmann::json::parse(
            CommandOutput("/usr/bin/python3 " TESMARA_TEST_SCRIPTS_DIR "/read_dxf.py '" + file.string() + "'"));
        EXPECT_EQ(dxf["errors"], 0);
        const auto& box = dxf["outline"];
        EXPECT_NEAR(box[0].get<double>(), 0.0, 1e-6);
        EXPECT_NEAR(box[3].get<double>() - box[1].get<double>(), dDiameter, 1e-3);
        return dxf;
    }
};

// The extents of one pen's strokes in an HP-GL file, read with the commands the writer uses:
// PU/PD moves, CI circles round the pen, AA arcs from the pen round a centre.
std::array<double, 4> HpglExtents(const std::string& strPlot, int nWantedPen)
{
    std::array<double, 4> box{1e300, 1e300, -1e300, -1e300};
    const auto add = [&](double x, double y)
    {
        box[0] = std::min(box[0], x), box[1] = std::min(box[1], y);
        box[2] = std::max(box[2], x), box[3] = std::max(box[3], y);
    };
    int nPen = 0;
    double x = 0, y = 0;
    for (std::size_t nAt = 0; nAt < strPlot.size();)
    {
        // A label runs to its terminator, semicolons included; every other command to ';'.
        const bool bLabel = strPlot.compare(nAt, 2, "LB") == 0;
        std::size_t nEnd = strPlot.find(bLabel ? '\x03' : ';', nAt);
        if (nEnd == std::string::npos)
            nEnd = strPlot.size();
        const std::string strCommand = strPlot.substr(nAt, nEnd - nAt);
        nAt = nEnd + (bLabel ? 2 : 1);
        if (bLabel || strCommand.size() < 2)
            continue;
        const std::string strName = strCommand.substr(0, 2);
        std::vector<double> args;
        std::istringstream values(strCommand.substr(2));
        for (std::string strValue; std::getline(values, strValue, ',');)
            if (!strValue.empty())
                args.push_back(std::stod(strValue));
        if (strName == "SP")
            nPen = static_cast<int>(args.at(0));
        else if ((strName == "PU" || strName == "PD") && args.size() == 2)
        {
            if (strName == "PD" && nPen == nWantedPen)
                add(x, y), add(args[0], args[1]);
            x = args[0], y = args[1];
        }
        else if (strName == "CI" && nPen == nWantedPen)
            add(x - args[0], y - args[0]), add(x + args[0], y + args[0]);
        else if (strName == "AA" && nPen == nWantedPen)
        {
            const double r = std::hypot(x - args[0], y - args[1]);
            const double a0 = std::atan2(y - args[1], x - args[0]);
            for (double t = 0.0; t <= 1.0; t += 1.0 / 720.0)
            {
                const double a = a0 + t * args[2] * M_PI / 180.0;
                add(args[0] + r * std::cos(a), args[1] + r * std::sin(a));
            }
        }
    }
    return box;
}

TEST_F(CCadDrawingTest, PistonOutlineMatchesTheCatalogueAndIsDimensioned)
{
    const CCadDrawing d = Draw(Piston());
    const SCadExtents outline = d.Extents(ECadLayer::Outline);
    // Side view from x = 0 to the length; the end view's circle reaches the same diameter.
    EXPECT_NEAR(outline.min.x, 0.0, 1e-9);
    EXPECT_NEAR(outline.Height(), kPistonDiameter, 1e-9);
    EXPECT_EQ(d.ScaleText(), "1:2");
    EXPECT_NEAR(Outline(Piston()).dCap, 3.0 * 25.4, 1e-9) << "the caps are 3 in each";
    ExpectTexts(d, {"A  17.90 [454.7]", "B  \xC3\x98" "4.50 [114.3]", "PA31-4-150-VS-G", "Hydraulik Nord GmbH",
                    "2026-11-02", "3000 psi", "150 in\xC2\xB3", "Options: Gas Valve Guard",
                    "C  Fluid port: SAE-16 (1-5/16-12 UN), SAE Straight Thread (O-Ring Boss)",
                    "D  Gas valve: Gas Charging Valve (7/8-14 UNF)"});
    ExpectTexts(Draw(Piston(), ECadUnits::Millimetres), {"A  454.7", "Dimensions in mm. Do not scale the drawing."});
}

TEST_F(CCadDrawingTest, DxfIsReadByAnIndependentReaderWithTheModelsExtents)
{
    const CCadDrawing d = Draw(Piston());
    const nlohmann::json dxf = ReadDxf(d, kPistonDiameter);
    EXPECT_EQ(dxf["version"], "AC1009");
    for (const char* pszLayer : {"OUTLINE", "HIDDEN", "CENTER", "MOUNTING", "DIMENSIONS", "TEXT", "BORDER"})
        EXPECT_NE(std::find(dxf["layers"].begin(), dxf["layers"].end(), pszLayer), dxf["layers"].end()) << pszLayer;
    const auto& texts = dxf["texts"];
    EXPECT_NE(std::find(texts.begin(), texts.end(), "B  \xC3\x98" "4.50 [114.3]"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "150 in\xC2\xB3"), texts.end());
    EXPECT_NEAR(OutlineRight(d), kPistonLength, 1e-9);
}

TEST_F(CCadDrawingTest, BladderHeadsAndStemsSpanTheCatalogueLength)
{
    const CCadDrawing d = Draw(Bladder());
    EXPECT_NEAR(OutlineRight(d), kBladderLength, 1e-9);
    ASSERT_EQ(d.m_arcs.size(), 2u);
    ReadDxf(d, kBladderDiameter);
    ExpectTexts(d, {"C  Fluid port: SAE 4-Bolt Flange Fluid Port, 1-1/2 in Flange, Code 61",
                    "Modification: Low-Temperature Gas Valve (to -40 deg F)", "A  20.90 [530.9]"});
}

TEST_F(CCadDrawingTest, TransferBarrierHasAFluidPortStemAtEitherEnd)
{
    // Its length and diameter, and every other barrier's: EveryTransferBarrierIsDrawnToItsCatalogueSize.
    const CCadDrawing d = Draw(CompleteTransferBarrier());
    // The top stem has its thread bored into it, as the bottom one: three hidden lines.
    int nRightThread = 0;
    for (const SCadLine& l : d.m_lines)
        if (l.eLayer == ECadLayer::Hidden && std::max(l.a.x, l.b.x) > kTransferLength / 2.0)
            ++nRightThread;
    EXPECT_EQ(nRightThread, 3);
    // End on: the shell, the top stem 14 mm wider than its 1-7/8 in thread (to 0.1 mm), the thread.
    std::vector<double> radii;
    for (const SCadCircle& c : d.m_circles)
        if (c.eLayer == ECadLayer::Outline)
            radii.push_back(c.dRadius);
    std::sort(radii.begin(), radii.end());
    ASSERT_EQ(radii.size(), 3u);
    EXPECT_NEAR(radii[0], 47.63 / 2.0, 1e-9);
    EXPECT_NEAR(radii[1], 61.6 / 2.0, 1e-9);
    EXPECT_NEAR(radii[2], kBladderDiameter / 2.0, 1e-9);
    EXPECT_FALSE(HasText(d, "")); // the model number cell's label stands alone
    // The top stem: the gas valve's 1.25 in and the 1.5 in the catalogue adds, 2.75 in.
    ExpectTexts(d, {"A  56.90 [1445.3]", "C  Bottom fluid port: SAE Straight Thread Fluid Port, SAE-24 (1-7/8-12 UN)",
                    "D  Top fluid port: SAE-24 (1-7/8-12 UN)", "TB31-10G-NSSP-O", "2.75 [69.9]",
                    "Service: Oil to Oil (Separates Two Hydraulic Circuits)"});
}

TEST_F(CCadDrawingTest, HpglPlotsTheOutlineToScaleOnPaper)
{
    const CCadDrawing d = Draw(Piston());
    const std::string strPlot = CadFileBytes(d, ECadFormat::Hpgl);
    EXPECT_EQ(strPlot.rfind("IN;", 0), 0u);
    // Pen 1 draws the outline: 40 units to the paper millimetre, at 1:2.
    const auto box = HpglExtents(strPlot, 1);
    EXPECT_NEAR((box[3] - box[1]) / 40.0 * 2.0, kPistonDiameter, 0.1);
    const SCadExtents expected = d.Extents(ECadLayer::Outline);
    EXPECT_NEAR((box[2] - box[0]) / 40.0 * 2.0, expected.Width(), 0.1);
    EXPECT_NE(strPlot.find("LBA  17.90 [454.7]\x03;"), std::string::npos);
    EXPECT_NE(strPlot.find("LBB  DIA 4.50 [114.3]\x03;"), std::string::npos);
}

TEST_F(CCadDrawingTest, DxfEntitiesAreWrittenAsR12GroupCodes)
{
    CCadDrawing d;
    d.m_lines.push_back({ECadLayer::Outline, {1.5, 2.0}, {10.0, -3.25}});
    d.m_texts.push_back({ECadLayer::Text, {0.0, 5.0}, 2.5, "\xC3\x98" "3 in\xC2\xB3", ECadAlign::Centre, 0.0});
    const std::string strDxf = CadFileBytes(d, ECadFormat::Dxf);
    EXPECT_NE(strDxf.find("  0\nLINE\n  8\nOUTLINE\n 10\n1.5\n 20\n2.0\n 30\n0.0\n 11\n10.0\n 21\n-3.25\n 31\n0.0\n"),
              std::string::npos);
    // Windows-1252 text with the diameter sign as its control code; centred on its anchor.
    EXPECT_NE(strDxf.find("  0\nTEXT\n  8\nTEXT\n 10\n0.0\n 20\n5.0\n 30\n0.0\n 40\n2.5\n  1\n%%c3 in\xB3\n 72\n1\n 11\n0.0\n"),
              std::string::npos);
    EXPECT_EQ(strDxf.substr(strDxf.size() - 8), "  0\nEOF\n");
    EXPECT_EQ(CadTextUnfitFor(d, ECadFormat::Dxf), std::nullopt);
    EXPECT_EQ(CadTextUnfitFor(d, ECadFormat::Hpgl), std::nullopt);

    // A text from a user or a file stays one text on one line in every format.
    d.m_texts = {{ECadLayer::Text, {0.0, 5.0}, 2.5, "Acme\n  0\nCIRCLE\x03;PU0,0;\t\xCE\xB1", ECadAlign::Left, 0.0}};
    EXPECT_NE(CadFileBytes(d, ECadFormat::Dxf).find("\n  1\nAcme   0 CIRCLE ;PU0,0; ?\n  0\nENDSEC\n"), std::string::npos);
    EXPECT_NE(CadFileBytes(d, ECadFormat::Hpgl).find("LBAcme   0 CIRCLE ;PU0,0; ?\x03;"), std::string::npos);
    EXPECT_NE(CadFileBytes(d, ECadFormat::Svg).find(">Acme   0 CIRCLE ;PU0,0; \xCE\xB1</text>"), std::string::npos);
    // The alpha the code pages cannot hold is told, not left to show as "?" unsaid.
    EXPECT_EQ(CadTextUnfitFor(d, ECadFormat::Dxf), d.m_texts[0].strText);
    EXPECT_EQ(CadTextUnfitFor(d, ECadFormat::Svg), std::nullopt);
}

TEST(CadScale, TheLargestStandardScaleThatFits)
{
    EXPECT_EQ(CadScaleFor(92.0, 32.0), 0.5);      // a 1 in bore, 0.5 in³: drawn twice its size
    EXPECT_EQ(CadScaleFor(454.66, 114.3), 2.0);   // too long for 1:1 once the end view is beside it
    EXPECT_EQ(CadScaleFor(2431.0, 356.0), 10.0);  // the longest 12 in bore: 279 mm of views and 95 of room
    EXPECT_EQ(CadScaleFor(200.0, 700.0), 5.0);    // a wide body: the height decides
}

// Every piston and bladder model of the catalogue: the drawing data holds it with the length
// and diameter that the catalogue's dimension query reports.
TEST_F(CCadDrawingTest, EveryPistonAndBladderModelIsDrawnToItsCatalogueSize)
{
    const std::unique_ptr<IDatabase> pCatalogue = OpenBuiltCatalogue();
    ASSERT_TRUE(pCatalogue);
    IRecordset models(*pCatalogue);
    models.OpenTable("Models");
    int nChecked = 0;
    for (models.MoveFirst(); !models.IsEOF(); models.MoveNext())
    {
        const std::string strType = models.GetString("AccumulatorType");
        if (strType != "Piston" && strType != "Bladder")
            continue;
        const bool bPiston = strType == "Piston";
        const std::string strSeries = models.GetString("SeriesCode");
        const std::string strPressure = models.GetString("PressureCode");
        const std::string strCap = models.GetString("CapCode");
        const std::string strBore = models.GetString("BoreCode");
        const double dRating = models.GetDouble("PressureRating");

        // The catalogue's own dimension texts, "17.9 in" or "455 mm".
        const auto rows =
            bPiston ? QueryRows(*pCatalogue, "qPistDimensions",
                                {{"[parSeries]", strSeries}, {"[parPressure]", strPressure}, {"[parBore]", strBore},
                                 {"[parCapacity]", strCap}, {"[parDesCode]", "1"}, {"[parPortTypeCode]", ""},
                                 {"[parPortSizeCode]", ""}, {"[parGasPortTypeCode]", ""},
                                 {"[parGasPortSizeCode]", ""}, {"[parOptions]", ""}})
                    : QueryRows(*pCatalogue, "qBladderDimensions",
                                {{"[parSeries]", strSeries}, {"[parPressure]", strPressure}, {"[parCapacity]", strCap},
                                 {"[parPortType]", "S"}, {"[parConstruction]", ""}});
        ASSERT_GE(rows.size(), 2u) << strSeries << strBore << strCap;
        double dCatalogue[2] = {0, 0};
        for (int i = 0; i < 2; ++i)
        {
            std::smatch match;
            const std::string strValue = rows[i].Text("Value");
            ASSERT_TRUE(std::regex_match(strValue, match, std::regex(R"(([0-9.]+) (in|mm))"))) << strValue;
            dCatalogue[i] = std::stod(match[1]) * (match[2] == "in" ? 25.4 : 1.0);
        }

        // The row as the conversion writes it for that model.
        char szPressure[32];
        std::snprintf(szPressure, sizeof szPressure, "%g %s", dRating, strSeries == "PM" ? "bar" : "psi");
        SCadMailboxRow row;
        if (bPiston)
            row = {"PA_Mailbox", {{"ModelNumber", strSeries}, {"Series", strSeries}, {"Bore_Size", strBore.substr(1)},
                                  {"Capacity", strCap.substr(1)}, {"DesignPressure", szPressure},
                                  {"HydPortMod", "-S08"}, {"GasPortMod", "V04"}}};
        else
            row = {"BA_Mailbox", {{"ModelNumber", strSeries}, {"Series", strSeries}, {"Size", strCap.substr(1)},
                                  {"Pressure", szPressure}, {"Port", "S"}}};
        SCadOutline outline;
        std::string strError;
        ASSERT_TRUE(LoadCadOutline(m_mailbox.Database(), row, outline, strError))
            << strSeries << strPressure << strBore << strCap << ": " << strError;
        EXPECT_NEAR(outline.dLength, dCatalogue[0], 1e-6) << strSeries << strBore << strCap;
        EXPECT_NEAR(outline.dDiameter, dCatalogue[1], 1e-6) << strSeries << strBore << strCap;
        // And the drawing of it is that size.
        const CCadDrawing d = BuildCadDrawing(outline, SCadPreferences(), "");
        EXPECT_NEAR(d.Extents(ECadLayer::Outline).Height(), dCatalogue[1], 1e-6);
        // Its dimension texts stand clear of every line.
        EXPECT_EQ(DimensionTextCrossedByALine(d), "") << strSeries << strPressure << strBore << strCap;
        ++nChecked;
    }
    EXPECT_GT(nChecked, 100);
}

// Every transfer barrier the catalogue lists, requested as "Choose Model" leaves it, is drawn
// to the size and with the ports its dimension query reports.
TEST_F(CCadDrawingTest, EveryTransferBarrierIsDrawnToItsCatalogueSize)
{
    const std::unique_ptr<IDatabase> pCatalogue = OpenBuiltCatalogue();
    ASSERT_TRUE(pCatalogue);
    IQueryDef list(*pCatalogue);
    list.Open("qTransBarList");
    for (const char* pszName : {"[parPressureCombo]", "[parServiceCombo]", "[parSizeCombo]"})
        list.SetParamValue(pszName, CDbValue(std::string("*")));
    IRecordset barriers(*pCatalogue);
    barriers.Open(list);
    int nChecked = 0;
    for (; !barriers.IsEOF(); barriers.MoveNext())
    {
        CTransferBase tb;
        tb.m_nLevel = 2;
        tb.strService = barriers.GetString("Service");
        tb.cpcSeriesCode = CPartCode(barriers.GetString("Series"), 1);
        tb.cpcPressureCode = CPartCode(barriers.GetString("PressureCode"), 2);
        tb.cpcCapCode = CPartCode(barriers.GetString("CapCode"), 4);
        tb.cpcServiceCode = CPartCode(barriers.GetString("ServiceCode"), 11);
        tb.BuildPartNumber();
        const std::string strWhat = tb.m_strPartNo + " " + tb.strService;

        std::vector<std::string> catalogue; // A, B, C bottom port, D top port
        for (const SCatalogueRow& row : QueryRows(*pCatalogue, "qTBDimensions",
                                                  {{"[parSeries]", tb.cpcSeriesCode.m_strCode},
                                                   {"[parPressure]", tb.cpcPressureCode.m_strCode},
                                                   {"[parCapacity]", tb.cpcCapCode.m_strCode}}))
            catalogue.push_back(row.Text("Value"));
        ASSERT_GE(catalogue.size(), 4u) << strWhat;

        std::string strError;
        SCadMailboxRow row;
        ASSERT_TRUE(m_mailbox.RequestCadDrawing(tb.GetCadConversion(), row, strError)) << strWhat << strError;
        SCadOutline outline;
        ASSERT_TRUE(LoadCadOutline(m_mailbox.Database(), row, outline, strError)) << strWhat << strError;
        EXPECT_EQ(outline.eBody, ECadBody::TransferBarrier) << strWhat;
        EXPECT_NEAR(outline.dLength, std::stod(catalogue[0]) * 25.4, 1e-6) << strWhat; // "56.9 in"
        EXPECT_NEAR(outline.dDiameter, std::stod(catalogue[1]) * 25.4, 1e-6) << strWhat;
        EXPECT_TRUE(outline.strPortLabel.ends_with(", " + catalogue[2]))
            << strWhat << ": " << outline.strPortLabel;
        EXPECT_EQ(outline.strValveLabel, catalogue[3]) << strWhat;
        EXPECT_EQ(outline.strOptions, tb.strService) << strWhat;
        const CCadDrawing d = BuildCadDrawing(outline, SCadPreferences(), "");
        EXPECT_NEAR(d.Extents(ECadLayer::Outline).Height(), outline.dDiameter, 1e-6) << strWhat;
        // The side view's lines run from x = 0 at one port face to the other.
        EXPECT_NEAR(d.Extents(ECadLayer::Outline).min.x, 0.0, 1e-6) << strWhat;
        EXPECT_NEAR(OutlineRight(d), outline.dLength, 1e-6) << strWhat;
        ++nChecked;
    }
    EXPECT_EQ(nChecked, 31); // 9 shells, each in its services
}
} // namespace
