// Reading a selection's texts again in another language: each product's steps run once more on
// copies, with the codes the selection holds, and the texts of equal codes are taken over.
#include "models/CatalogueTexts.h"

#include "models/AccessoryList.h"
#include "models/DetailsStep.h"
#include "models/GasBottleSearch.h"
#include "models/ModelSearch.h"
#include "models/OvrisolModel.h"
#include "models/PistonDetails.h"
#include "models/RepairKitList.h"
#include "models/TransferBarrierList.h"
#include "catalogue/Catalogue.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"
#include "sizing/SizingLists.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <optional>

namespace
{
constexpr int kStringFirstApplication = 51003; // + deSelectApp
constexpr int kStringViewAll = 50001;
constexpr int kStringSizeByCapacities = 59250, kStringSizeByLevels = 59251;

// The texts read again, written into the selection only once every read has succeeded.
class CTexts
{
public:
    // The description of `fresh` for `held` where both are the same code at the same place; a
    // copy of the code in the model number's lists takes it too.
    void Code(CPartCode& held, const CPartCode& fresh)
    {
        if (held.m_strCode != fresh.m_strCode || held.m_nLocation != fresh.m_nLocation ||
            held.m_strDescription == fresh.m_strDescription)
            return;
        m_codes.push_back({held, fresh.m_strDescription});
        m_writes.push_back([&held, strText = fresh.m_strDescription] { held.m_strDescription = strText; });
    }
    void Text(std::string& held, const std::optional<std::string>& fresh)
    {
        if (fresh)
            m_writes.push_back([&held, strText = *fresh] { held = strText; });
    }
    // Writes the texts, and those of the same codes in the model number's code lists.
    void Write(CBaseProduct& selection)
    {
        for (const auto& write : m_writes)
            write();
        for (std::vector<CPartCode>* pList : {&selection.m_lstCodes, &selection.m_lstDefaultCodes})
            for (CPartCode& code : *pList)
                for (const auto& [held, strText] : m_codes)
                    if (code == held)
                        code.m_strDescription = strText;
    }

private:
    std::vector<std::function<void()>> m_writes;
    std::vector<std::pair<CPartCode, std::string>> m_codes;
};

// The entry at the place of `strHeld` in a list without codes, read from both catalogues.
std::optional<std::string> SamePlace(const std::vector<sizing::SListItem>& from,
                                     const std::vector<sizing::SListItem>& to, const std::string& strHeld)
{
    const auto it = std::find_if(from.begin(), from.end(),
                                 [&](const sizing::SListItem& item) { return item.strText == strHeld; });
    if (it == from.end() || from.size() != to.size())
        return std::nullopt;
    return to[static_cast<std::size_t>(it - from.begin())].strText;
}

// The piston construction whose approvals hold the selection's construction code.
std::optional<std::string> PistonConstruction(const CAccumulatorData& d, IDatabase& db)
{
    for (const CPartCode& construction : PistonConstructionList(d, db).items)
        for (const CPartCode& approval : PistonApprovalList(d, construction.m_strDescription, db).items)
            if (approval.m_strCode == d.cpcConstCode.m_strCode)
                return construction.m_strDescription;
    return std::nullopt;
}

// The details step's choices that name the codes the selection holds.
DetailChoices HeldChoices(const CAccumulatorData& d, IDatabase& db)
{
    DetailChoices choices;
    const auto name = [&](const char* pszList, const CPartCode& code)
    {
        if (!code.m_strCode.empty())
            choices.emplace_back(pszList, code.m_strCode);
    };
    const std::string& strType = d.strAccumulatorType;
    name(strType == "GB" ? "gasport" : "seal", strType == "GB" ? d.cpcGasPortCode : d.cpcSealCode);
    if (strType == "Piston")
    {
        name("port", d.cpcDesignNumber);
        if (const std::optional<std::string> construction = PistonConstruction(d, db))
            choices.emplace_back("construction", *construction);
        name("approval", d.cpcConstCode);
        name("porttype", d.cpcPortModTypeCode);
        name("portsize", d.cpcPortModSizeCode);
        name("gasporttype", d.cpcGasPortModTypeCode);
        name("gasportsize", d.cpcGasPortModSizeCode);
        for (const SOptionElement& option : d.m_caSelectedOptionArray)
            name("option", option.code);
    }
    else if (strType == "GB")
        name("valveport", d.cpcGasValveCode);
    else
    {
        name("construction", d.cpcConstCode);
        name("certification", d.cpcCertCode);
        if (strType == "Bladder")
        {
            name("modification", d.cpcModCode);
            name("hydraulicport", d.cpcHydPortCode);
        }
    }
    return choices;
}

// The fields of the model step and of the details step whose codes carry a description.
void DetailCodes(CTexts& texts, CAccumulatorData& d, CAccumulatorData& fresh)
{
    for (CPartCode CAccumulatorData::*pField :
         {&CAccumulatorData::cpcSealCode, &CAccumulatorData::cpcDesignNumber, &CAccumulatorData::cpcConstCode,
          &CAccumulatorData::cpcPortModTypeCode, &CAccumulatorData::cpcPortModSizeCode,
          &CAccumulatorData::cpcGasPortModTypeCode, &CAccumulatorData::cpcGasPortModSizeCode,
          &CAccumulatorData::cpcOptionCode, &CAccumulatorData::cpcModCode, &CAccumulatorData::cpcCertCode,
          &CAccumulatorData::cpcGasPortCode, &CAccumulatorData::cpcGasValveCode,
          &CAccumulatorData::cpcPortCode})
        texts.Code(d.*pField, fresh.*pField);
    // The bladder's fluid port carries its size as its third text.
    texts.Code(d.cpcHydPortCode, fresh.cpcHydPortCode);
    if (d.cpcHydPortCode.m_strCode == fresh.cpcHydPortCode.m_strCode &&
        !fresh.cpcHydPortCode.m_strCodeType.empty())
        texts.Text(d.cpcHydPortCode.m_strCodeType, fresh.cpcHydPortCode.m_strCodeType);
    if (d.cpcConstCode.m_strCode == fresh.cpcConstCode.m_strCode)
        texts.Text(d.strApproval, fresh.strApproval);
    for (SOptionElement& option : d.m_caSelectedOptionArray)
        for (const SOptionElement& freshOption : fresh.m_caSelectedOptionArray)
            texts.Code(option.code, freshOption.code);
}

void Accumulator(CAccumulatorData& d, int nProdId, IDatabase& from, IDatabase& to,
                 const CStringTable& strings, CTexts& texts)
{
    if (!d.strApplicationText.empty() && d.deSelectApp >= 0 && d.deSelectApp <= 7)
        texts.Text(d.strApplicationText, strings.Get(kStringFirstApplication + d.deSelectApp));
    if (d.m_strType != "Piston" && d.m_strType != "Bladder" && d.m_strType != "GB" && !d.m_strType.empty())
        texts.Text(d.m_strType, strings.Get(kStringViewAll));
    texts.Text(d.strShockFluid,
               SamePlace(sizing::FluidDensities(from), sizing::FluidDensities(to), d.strShockFluid));
    const auto nominal = [&](IDatabase& db)
    { return d.bShockPipeOrTube != 0 ? sizing::PipeNominalSizes(db) : sizing::TubeSizes(db); };
    const std::optional<std::string> strNominal =
        SamePlace(nominal(from), nominal(to), d.strShockNominalSize);
    if (strNominal && d.bShockPipeOrTube != 0)
        texts.Text(d.strShockSchedule, SamePlace(sizing::PipeSchedules(from, d.strShockNominalSize),
                                                 sizing::PipeSchedules(to, *strNominal), d.strShockSchedule));
    texts.Text(d.strShockNominalSize, strNominal);
    if (d.m_nLevel < 2)
        return;

    // The model, as the model step (or the gas bottle list) gives it for the codes held.
    CAccumulatorData model(d);
    bool bModel = false;
    if (nProdId == 1)
    {
        const std::vector<SGbList> bottles = GasBottleList(HeldGasBottleType(d), d.cudMaxPressure, to);
        if (const int nRow = PreselectedBottle(bottles, d); nRow >= 0)
        {
            ApplyGasBottleChoice(model, bottles[static_cast<std::size_t>(nRow)], d.cudMaxPressure,
                                 d.eGasBottleType, d.strOversizePorts, to);
            bModel = true;
        }
    }
    else
    {
        const SModelSearch search = RunModelSearch(d, to);
        for (const SAccumulatorList& row : search.rows)
            if (!bModel && IsHeldModel(row, d))
            {
                ApplyModelChoice(model, row, search, d.strOversizePorts, to);
                bModel = true;
            }
    }
    if (bModel)
    {
        for (CPartCode CAccumulatorData::*pField :
             {&CAccumulatorData::cpcSeriesCode, &CAccumulatorData::cpcCapCode,
              &CAccumulatorData::cpcPressureCode, &CAccumulatorData::cpcNomBoreCode,
              &CAccumulatorData::cpcGBPartNumber})
            texts.Code(d.*pField, model.*pField);
        texts.Text(d.strAccumulatorDesc, model.strAccumulatorDesc);
        for (std::size_t i = 0; i < d.m_lstDefaultCodes.size() && i < model.m_lstDefaultCodes.size(); ++i)
            texts.Code(d.m_lstDefaultCodes[i], model.m_lstDefaultCodes[i]);
        // The model's defaults: the details before the details step, and those it leaves alone.
        DetailCodes(texts, d, model);
    }
    if (d.m_nLevel < 3)
        return;
    CAccumulatorData working(d);
    CAccumulatorData details(d);
    std::string strRefused;
    if (ApplyDetailsStep(working, details, d, HeldChoices(d, to), to, strRefused))
        DetailCodes(texts, d, details);
}

void Ovrisol(COvrisolBase& d, IDatabase& to, const CStringTable& strings, CTexts& texts)
{
    if (!d.strSizeMethodText.empty())
        texts.Text(d.strSizeMethodText,
                   strings.Get(d.iSizeMethod == COvrisolBase::kCapacities ? kStringSizeByCapacities
                                                                          : kStringSizeByLevels));
    if (d.m_nLevel < 2)
        return;
    for (const SOvrisolSize& size : OvrisolSizes(d, to))
        if (size.size.m_strCode == d.cpcSizeCode.m_strCode &&
            size.construction.m_strCode == d.cpcConstructionCode.m_strCode)
        {
            texts.Text(d.strConstruction, size.strConstruction);
            texts.Code(d.cpcConstructionCode, size.construction);
        }
    for (const CPartCode& bladder :
         OvrisolBladders(d.cpcSeriesCode.m_strCode, d.cpcBladderCode.m_strCode, to).items)
        texts.Code(d.cpcBladderCode, bladder);
}

void Transfer(CTransferBase& d, IDatabase& to, CTexts& texts)
{
    for (const STransferRow& row : TransferBarrierRows(STransferFilters(), to))
        if (row.capacityCode.m_strCode == d.cpcCapCode.m_strCode &&
            row.pressureCode.m_strCode == d.cpcPressureCode.m_strCode &&
            row.serviceCode.m_strCode == d.cpcServiceCode.m_strCode &&
            row.series.m_strCode == d.cpcSeriesCode.m_strCode)
        {
            texts.Text(d.strService, row.strService);
            texts.Code(d.cpcServiceCode, row.serviceCode);
        }
}

void Accessory(CAccessoryBase& d, IDatabase& to, CTexts& texts)
{
    if (d.strAccessoryPartNumber.empty())
        return;
    for (const SAccessory& accessory : AccessoriesFor(d, to))
        if (accessory.strPartNumber == d.strAccessoryPartNumber)
            texts.Text(d.strAccessoryText, accessory.strText);
}

// The steps run again say nothing: what they had to tell was told when they ran.
class CQuietPrompt final : public IPrompt
{
public:
    void Message(const std::string&) override {}
    EPromptAnswer YesNo(const std::string&) override { return EPromptAnswer::No; }
    EPromptAnswer YesNoCancel(const std::string&) override { return EPromptAnswer::Cancel; }
};

void RepairKit(CRepairKitBase& d, IDatabase& from, IDatabase& to, CTexts& texts)
{
    // The kinds of kit have no codes: each is found by its place in the list.
    const std::vector<std::string> fromTypes = RepairKitTypes(from), toTypes = RepairKitTypes(to);
    const auto it = std::find(fromTypes.begin(), fromTypes.end(), d.strKitType);
    if (it == fromTypes.end() || fromTypes.size() != toTypes.size())
        return;
    const std::string& strType = toTypes[static_cast<std::size_t>(it - fromTypes.begin())];
    texts.Text(d.strKitType, strType);
    for (const SRepairKit& kit : RepairKits(SKitFilters(strType), to))
        if (kit.strPartNumber == d.strPartNumber)
            texts.Text(d.strKit, kit.strKit);
}
} // namespace

void ReadCatalogueTextsAgain(CBaseProduct& selection, int nProdId, IDatabase& from, IDatabase& to,
                             const CStringTable& strings)
{
    CQuietPrompt quiet;
    const CScopedPrompt scope(quiet);
    CTexts texts;
    if (auto* pAccumulator = dynamic_cast<CAccumulatorData*>(&selection))
        Accumulator(*pAccumulator, nProdId, from, to, strings, texts);
    else if (auto* pOvrisol = dynamic_cast<COvrisolBase*>(&selection))
        Ovrisol(*pOvrisol, to, strings, texts);
    else if (auto* pTransfer = dynamic_cast<CTransferBase*>(&selection))
        Transfer(*pTransfer, to, texts);
    else if (auto* pAccessory = dynamic_cast<CAccessoryBase*>(&selection))
        Accessory(*pAccessory, to, texts);
    else if (auto* pKit = dynamic_cast<CRepairKitBase*>(&selection))
        RepairKit(*pKit, from, to, texts);
    texts.Write(selection);
}

bool ReadProductTexts(IDatabase& db, int nProdId, std::string& strProdType, std::string& strProdDescription)
{
    IQueryDef def(db);
    def.Open("qProduct");
    IRecordset rows(db);
    rows.Open(def);
    for (; !rows.IsEOF(); rows.MoveNext())
        if (rows.GetInt("ProdId") == nProdId)
        {
            strProdType = rows.GetString("ProdType");
            strProdDescription = rows.GetString("Description");
            return true;
        }
    return false;
}

void ReadLoadedTextsAgain(SLoadedSelection& loaded, IDatabase& catalogue, const std::string& strBaseName)
{
    const auto upper = [](std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
        return s;
    };
    const std::string strSaved = upper(loaded.header.strLanguageCode);
    if (!loaded.pSelection || !catalogue.IsOpen() || strSaved.empty() || strSaved == upper(catalogue.LanguageCode()))
        return;
    const CStringTable* pStrings = CStringTable::ForLanguage(catalogue.LanguageCode());
    const std::filesystem::path folder = catalogue.Path().parent_path();
    std::error_code ec;
    IDatabase saved;
    const bool bSaved = std::filesystem::is_regular_file(folder / CatalogueFileName(strSaved, strBaseName), ec) &&
                        saved.Open(folder, strBaseName, strSaved);
    try
    {
        ReadCatalogueTextsAgain(*loaded.pSelection, loaded.header.nProdId, bSaved ? saved : catalogue, catalogue,
                                pStrings ? *pStrings : CStringTable::English());
        ReadProductTexts(catalogue, loaded.header.nProdId, loaded.header.strProdType,
                         loaded.header.strProdDescription);
    }
    catch (const CCatalogueError&)
    {
        // The codes are what count; the texts stay as the file holds them.
    }
}
