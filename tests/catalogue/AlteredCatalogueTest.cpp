// Display texts steer nothing: whole selections of every product, made on the built catalogue and on
// one whose every display text is altered with the program's own texts altered too (and in German), end
// in the same model numbers, order lines and drawings.
#include "BuiltCatalogue.h"
#include "catalogue/Catalogue.h"
#include "models/AccessoryList.h"
#include "models/CatalogueTexts.h"
#include "models/DetailsStep.h"
#include "models/GasBottleSearch.h"
#include "models/ModelSearch.h"
#include "models/OvrisolModel.h"
#include "models/RepairKitList.h"
#include "models/TransferBarrierList.h"
#include "outputs/CadDrawing.h"
#include "outputs/CadObject.h"
#include "outputs/CadPreferences.h"
#include "outputs/SvgWriter.h"
#include "platform/Archive.h"
#include "platform/StringTable.h"
#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace
{
using Lines = std::vector<std::string>;
// Complete selections as the walk made them, each with its product id.
using Kept = std::vector<std::pair<int, std::unique_ptr<CBaseProduct>>>;

// A drawing without its texts, which show the catalogue's descriptions in its language (and a
// long note may take more lines in one language than in another).
std::string Geometry(const std::string& strSvg)
{
    std::string strOut;
    std::size_t nPos = 0;
    for (std::size_t nText; (nText = strSvg.find("<text", nPos)) != std::string::npos;)
    {
        strOut.append(strSvg, nPos, nText - nPos);
        nPos = strSvg.find("</text>\n", nText) + 8;
    }
    return strOut + strSvg.substr(nPos);
}

class CWalk
{
public:
    CWalk(IDatabase& db, const fs::path& mailbox, Kept* pKept = nullptr)
        : m_db(db), m_mailbox(mailbox), m_pKept(pKept)
    {
    }

    // What a user gets of a complete selection: the model number, the order lines and the drawing.
    void Record(CBaseProduct& selection, bool bDraw)
    {
        if (m_pKept)
            m_pKept->emplace_back(m_nProdId, selection.Clone());
        std::string strLine = selection.BuildPartNumber() + " | " + selection.GetGasBottlePartNumber() + " x " +
                              selection.GetGasBottleQuantityText();
        SCadRequest request;
        std::string strMessage;
        CCadDrawing drawing;
        // Every eighth drawing is enough to show that the drawings follow the codes.
        if (bDraw && !m_pKept && m_lines.size() % 8 == 0 &&
            MakeCadRequest(selection, m_mailbox, selection.BuildPartNumber(), request, strMessage) &&
            DrawCadRequest(request, SCadPreferences(), "2000-01-01", drawing, strMessage))
            strLine += " | " + Geometry(WriteSvg(drawing));
        m_lines.push_back(strLine + " | " + strMessage);
    }

    void Accumulators()
    {
        const struct
        {
            double dPressure;
            const char* pszPressure;
            double dVolume;
            const char* pszVolume;
        } kSized[] = {{3000, "PSIG", 100, "CU_IN"}, {2500, "PSIG", 8, "GAL"}, {180, "BAR", 3, "L"}, {4500, "PSIG", 40, "CU_IN"}};
        for (const auto& sized : kSized)
        {
            CAccumulatorData d;
            d.Initialize(0);
            d.deSelectApp = app::KnownCapacity;
            d.sdMaxSysPress.Set(sized.dPressure, sized.pszPressure);
            d.sdRequiredAccumulatorVol.Set(sized.dVolume, sized.pszVolume);
            d.m_nLevel = 1;
            const SModelSearch search = RunModelSearch(d, m_db);
            for (const SAccumulatorList& row : search.rows)
            {
                CAccumulatorData model(d);
                model.Initialize(2);
                ApplyModelChoice(model, row, search, HighFlowResult(row, search.requiredFlow, m_db), m_db);
                model.m_nLevel = 2;
                Complete(model, {});
                if (row.strType == "Piston")
                    Complete(model, {{"option", "M"}, {"option", "G"}});
            }
        }
        m_nProdId = 1;
        for (int nType = 0; nType < kGasBottleTypes; ++nType)
            for (const CUnitDouble& pressure : GasBottlePressures(nType, m_db))
                for (const SGbList& row : GasBottleList(nType, pressure, m_db))
                {
                    CAccumulatorData d;
                    d.Initialize(0);
                    ApplyGasBottleChoice(d, row, pressure, nType, "N", m_db);
                    d.m_nLevel = 2;
                    Complete(d, {});
                }
    }

    void OtherProducts()
    {
        m_nProdId = 2;
        COvrisolBase ov;
        ov.Initialize(0);
        ov.iSizeMethod = COvrisolBase::kFluidLevels;
        ov.cudHighFluidLevel.Set(12, "IN");
        ov.cudLowFluidLevel.Set(2, "IN");
        ov.cudReservoirWidth.Set(20, "IN");
        ov.cudReservoirLength.Set(30, "IN");
        for (const SOvrisolSize& size : OvrisolSizes(ov, m_db))
            for (const CPartCode& bladder : OvrisolBladders(size.series.m_strCode, "", m_db).items)
            {
                COvrisolBase chosen(ov);
                ApplyOvrisolModel(chosen, size, bladder, ov, m_db);
                chosen.m_nLevel = 2;
                Record(chosen, false);
            }

        m_nProdId = 5;
        const STransferFilters all;
        m_lines.push_back("transfer filters " + std::to_string(TransferFilterEntries(ETransferFilter::Service, all, m_db).size()));
        for (const STransferRow& row : TransferBarrierRows(all, m_db))
        {
            CTransferBase tb;
            ApplyTransferBarrier(tb, row, m_db);
            tb.m_nLevel = 2;
            Record(tb, true);
        }

        for (const SAccessoryType& type : AccessoryTypes(m_db))
            for (const SAccessorySize& size : AccessorySizes(type.strKey, m_db))
            {
                CAccessoryBase accessory;
                ApplyAccessorySize(accessory, type.strKey, size);
                for (const SAccessory& item : AccessoriesFor(accessory, m_db))
                {
                    m_lines.push_back(type.strKey + " " + size.strCapCode + size.boreCode.m_strCode + ": " +
                                      item.strPartNumber);
                    ApplyAccessory(accessory, item);
                    Keep(3, accessory);
                }
            }

        // Kit types and filter values are chosen by their place in the lists, as a user clicks.
        const std::vector<std::string> types = RepairKitTypes(m_db);
        for (const std::string& strType : types)
        {
            SKitFilters filters(strType);
            for (const SRepairKit& kit : RepairKits(filters, m_db))
            {
                m_lines.push_back(kit.strPartNumber);
                CRepairKitBase chosen;
                chosen.strKitType = strType;
                ApplyRepairKit(chosen, kit);
                Keep(4, chosen);
            }
            for (EKitFilter eFilter : {EKitFilter::Size, EKitFilter::Seal, EKitFilter::Construction,
                                       EKitFilter::Service, EKitFilter::Port})
            {
                // What each value of the list leaves, whatever the order the language sorts them in.
                Lines narrowed;
                for (const std::string& strValue : KitFilterValues(eFilter, filters, m_db))
                {
                    SKitFilters one(filters);
                    one[eFilter] = strValue;
                    std::string strKits = "narrowed";
                    for (const SRepairKit& kit : RepairKits(one, m_db))
                        strKits += " " + kit.strPartNumber;
                    narrowed.push_back(strKits);
                }
                std::sort(narrowed.begin(), narrowed.end());
                m_lines.insert(m_lines.end(), narrowed.begin(), narrowed.end());
            }
        }
    }

    const Lines& Result() const { return m_lines; }

private:
    void Keep(int nProdId, const CBaseProduct& selection)
    {
        if (m_pKept)
            m_pKept->emplace_back(nProdId, selection.Clone());
    }

    void Complete(const CAccumulatorData& model, const DetailChoices& choices)
    {
        CAccumulatorData working(model);
        CAccumulatorData complete(model);
        complete.Initialize(3);
        std::string strError;
        if (!ApplyDetailsStep(working, complete, model, choices, m_db, strError))
        {
            m_lines.push_back("refused: " + strError);
            return;
        }
        complete.m_nLevel = 3;
        Record(complete, complete.strAccumulatorType == "Piston" || complete.strAccumulatorType == "Bladder");
    }

    IDatabase& m_db;
    fs::path m_mailbox;
    Kept* m_pKept;
    int m_nProdId = 0;
    Lines m_lines;
};

// The program's own texts altered as well, but for the few ids that name files and codes.
CStringTable AlteredStrings()
{
    CStringTable table;
    CStringTable::English().ForEach(
        [&](int nId, const std::string& strText)
        { table.Set(nId, nId >= 52110 && nId <= 52113 ? strText : "<" + strText + ">"); });
    return table;
}

// The CAD mailbox built from a catalogue: beside the altered one, by language beside the built ones.
fs::path MailboxOf(IDatabase& db)
{
    if (db.Path().parent_path() == fs::path(TESMARA_ALTERED_CATALOGUE_DIR))
        return db.Path().parent_path() / "CadMailbox.db";
    const fs::path built(TESMARA_BUILT_CAD_MAILBOX);
    return db.LanguageCode() == "US" ? built
                                     : built.parent_path() / ("CadMailbox" + db.LanguageCode() + ".db");
}

Lines Walk(IDatabase& db, Kept* pKept = nullptr)
{
    // Every request is a transaction flushed to disk: in memory where the system has a folder for it.
    const fs::path folder = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path mailbox =
        folder / ("tesmara-altered-" + std::to_string(std::random_device()()) + ".db");
    fs::copy_file(MailboxOf(db), mailbox);
    CWalk walk(db, mailbox, pKept);
    walk.Accumulators();
    walk.OtherProducts();
    fs::remove(mailbox);
    return walk.Result();
}
} // namespace

TEST(AlteredCatalogue, EveryProductEndsInTheSameModelNumbersOrderLinesAndDrawings)
{
    const auto pBuilt = OpenBuiltCatalogue();
    const auto pAltered = OpenBuiltCatalogue("US", TESMARA_ALTERED_CATALOGUE_DIR);
    const auto pGerman = OpenBuiltCatalogue("DE");
    ASSERT_TRUE(pBuilt && pAltered && pGerman);
    // The altered catalogue does alter what a user reads.
    EXPECT_EQ(AccessoryTypes(*pAltered).front().strName, "<Piston>");
    EXPECT_EQ(AccessoryTypes(*pGerman).front().strName, "Kolbenspeicher");

    const Lines built = Walk(*pBuilt);
    ASSERT_GT(built.size(), 500u);
    EXPECT_GT(std::count_if(built.begin(), built.end(), [](const std::string& s) { return s.find("<svg") != std::string::npos; }), 30);
    const CStringTable altered = AlteredStrings();
    for (IDatabase* pDb : {pAltered.get(), pGerman.get()})
    {
        SetStringTable(pDb == pGerman.get() ? CStringTable::ForLanguage("DE") : &altered);
        const Lines walked = Walk(*pDb);
        SetStringTable(nullptr);
        for (std::size_t i = 0; i < std::min(built.size(), walked.size()); ++i)
            ASSERT_EQ(walked[i], built[i]) << pDb->Path() << ", selection " << i;
        EXPECT_EQ(walked.size(), built.size()) << pDb->Path();
    }
}

namespace
{
std::vector<std::uint8_t> Stored(const CBaseProduct& selection)
{
    CArchive ar;
    selection.Clone()->Serialize(ar);
    return ar.Bytes();
}

// Every selection of the walk on `from`, read again in the language of `to`, stores what the
// same selection made on `to` stores: every text, code and value alike.
void ExpectReadAgainAsMade(IDatabase& from, const Kept& made, IDatabase& to, const Kept& madeThere,
                           const CStringTable& strings)
{
    ASSERT_EQ(made.size(), madeThere.size());
    std::size_t nChanged = 0;
    for (std::size_t i = 0; i < made.size(); ++i)
    {
        const auto& [nProdId, pSelection] = made[i];
        std::unique_ptr<CBaseProduct> pCopy = pSelection->Clone();
        ReadCatalogueTextsAgain(*pCopy, nProdId, from, to, strings);
        nChanged += Stored(*pCopy) != Stored(*pSelection);
        ASSERT_EQ(Stored(*pCopy), Stored(*madeThere[i].second))
            << to.LanguageCode() << ": selection " << i << " of product " << nProdId << " ("
            << pSelection->BuildPartNumber() << ")";
    }
    EXPECT_GT(nChanged, made.size() / 2) << "most selections hold texts of their language";
}
} // namespace

TEST(AlteredCatalogue, ASelectionReadAgainInTheOtherLanguageHoldsWhatOneMadeInItHolds)
{
    const auto pBuilt = OpenBuiltCatalogue();
    const auto pGerman = OpenBuiltCatalogue("DE");
    ASSERT_TRUE(pBuilt && pGerman);
    Kept english, german;
    Walk(*pBuilt, &english);
    SetStringTable(CStringTable::ForLanguage("DE"));
    Walk(*pGerman, &german);
    ExpectReadAgainAsMade(*pBuilt, english, *pGerman, german, *CStringTable::ForLanguage("DE"));
    SetStringTable(nullptr);
    ExpectReadAgainAsMade(*pGerman, german, *pBuilt, english, CStringTable::English());
}
