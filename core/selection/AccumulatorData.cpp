// The accumulator selection: its stored layout, copying and comparing, resets by level,
// catalogue limits and the model number.
#include "selection/AccumulatorData.h"

#include "catalogue/Database.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/Archive.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "selection/ApplicationFields.h"
#include "selection/SelectionOwner.h"
#include "selection/StoredFields.h"
#include "selection/UnitFields.h"
#include "units/DefaultUnits.h"
#include "units/UnitTable.h"

namespace
{
// A field that is stored but neither copied nor compared.
enum class EField
{
    Compared,
    StoredOnly
};

constexpr int kStringViewAll = 50001;
constexpr int kStringDataMissing = 50002;
constexpr int kStringTooManyEntries = 71041; // entries read, the most the list has
constexpr int kStringNotImplemented = 50012;

// The fewest bytes of one stored event: seven unit values (empty unit and a double), five ints.
constexpr std::size_t kMinEventSize = 7 * (1 + 8) + 5 * 4;
// The fewest bytes of one stored option: its code and its int.
constexpr std::size_t kMinOptionSize = CPartCode::kMinStoredSize + 4;

// Calls v with a pointer to each field of the accumulator part, in the order of the
// selection file. Storing, copying and comparing all follow this one list, so a field
// cannot be stored and yet be forgotten by a copy (or the other way round).
template <class V> void WalkAccumulatorFields(V&& v)
{
    using D = CAccumulatorData;
    v(&D::sdAllowedMaxAccumulatorVol);
    v(&D::sdAllowedMaxAccumulatorPress);
    v(&D::sdAllowedMaxTemperature);
    v(&D::sdAllowedMinTemperature);
    v(&D::m_lstEvents);
    v(&D::cpcSeriesCode);
    v(&D::cpcCapCode);
    v(&D::cpcPressureCode);
    v(&D::cudMaxPressure);
    v(&D::cpcNomBoreCode);
    v(&D::cpcDesignNumber);
    v(&D::cudCapacityAccEach);
    v(&D::cudCapacityAccTotal);
    v(&D::cudCapacityGBEach);
    v(&D::cudCapacityGBTotal);
    v(&D::siQty);
    v(&D::siGBQty);
    v(&D::cpcGBPartNumber);
    v(&D::cudBoreDisplay);
    v(&D::cpcSealCode);
    v(&D::cpcPortCode);
    v(&D::cpcConstCode);
    v(&D::m_caSelectedOptionArray);
    v(&D::cpcOptionCode);
    v(&D::cpcPortModTypeCode);
    v(&D::cpcPortModSizeCode);
    v(&D::cpcGasPortModTypeCode);
    v(&D::cpcGasPortModSizeCode);
    v(&D::cpcModCode);
    v(&D::cpcCertCode);
    v(&D::cpcHydPortCode);
    v(&D::cpcGasPortCode);
    v(&D::cpcGasValveCode);
    v(&D::cudMaxEnteredTempFluidCompatibility);
    v(&D::cudMinEnteredTempFluidCompatibility);
    v(&D::cudMaxFluidTempFluidCompatibility);
    v(&D::cudMinFluidTempFluidCompatibility);
    v(&D::strApplicationText);
    WalkApplicationFields(v);
    v(&D::eGasBottleType);
    v(&D::m_strCadNo);
    v(&D::strOversizePorts);
    v(&D::strAccumulatorType);
    v(&D::strAccumulatorDesc);
    v(&D::m_strType);
    v(&D::bGasBottle);
    v(&D::m_strDescription);
    v(&D::m_strPartNo);
    v(&D::strPortDescription);
    v(&D::strApproval);
    v(&D::strTypFluid);
    v(&D::strSelectedFluid);
    v(&D::strFluidCompatDescription, EField::StoredOnly);
}

void SerializeField(CArchive& ar, SEvent& event)
{
    for (CUnitDouble* pValue : {&event.sdFlowrate, &event.sdVolume, &event.sdBoreDia, &event.sdRodDia,
                                &event.sdStrokeLength, &event.sdEvStartTime, &event.sdEvDuration})
        pValue->Serialize(ar);
    for (int* pValue : {&event.iActNo, &event.iEventNo, &event.bPumpAvail, &event.enumActVolForEvent,
                        &event.eExtendRetract})
        SerializeField(ar, *pValue);
}

void SerializeField(CArchive& ar, SOptionElement& option)
{
    option.code.Serialize(ar);
    SerializeField(ar, option.nKey);
}

// A counted list; on loading the count is refused when the bytes left cannot hold it, or when
// it is more than the program itself ever stores.
template <class T> void SerializeList(CArchive& ar, std::vector<T>& items, std::size_t nMinElementSize, std::size_t nMax)
{
    if (ar.IsStoring())
        ar.WriteCount(items.size());
    else if (const std::size_t nCount = ar.ReadCount(nMinElementSize); nCount > nMax)
        throw CArchiveError(FormatString(kStringTooManyEntries, {std::to_string(nCount), std::to_string(nMax)}));
    else
        items.assign(nCount, T());
    for (T& item : items)
        SerializeField(ar, item);
}

void SerializeField(CArchive& ar, std::vector<SEvent>& events)
{
    SerializeList(ar, events, kMinEventSize, kMaxStoredEvents);
}

void SerializeField(CArchive& ar, std::vector<SOptionElement>& options)
{
    SerializeList(ar, options, kMinOptionSize, kMaxStoredOptions);
}

// The first row of a stored query, or nullptr after "Data Missing!" when it has none.
const IRecordset* FirstRow(IRecordset& rows, IQueryDef& query)
{
    rows.Open(query);
    rows.MoveFirst();
    if (rows.IsEOF())
    {
        GetPrompt().Message(LoadString(kStringDataMissing));
        return nullptr;
    }
    return &rows;
}

// One catalogue limit; a query without a row leaves the value as it was.
void ReadLimit(IDatabase& db, const char* pszQuery, const char* pszField, const char* pszUnit,
               CUnitDouble& value)
{
    IQueryDef query(db);
    query.Open(pszQuery);
    IRecordset rows(db);
    if (const IRecordset* pRow = FirstRow(rows, query))
        value.Set(pRow->GetDouble(pszField), pszUnit);
}
} // namespace

bool SEvent::operator==(const SEvent& other) const
{
    return iActNo == other.iActNo && iEventNo == other.iEventNo && bPumpAvail == other.bPumpAvail &&
           sdFlowrate == other.sdFlowrate && sdVolume == other.sdVolume && sdBoreDia == other.sdBoreDia &&
           sdRodDia == other.sdRodDia && sdStrokeLength == other.sdStrokeLength &&
           enumActVolForEvent == other.enumActVolForEvent && eExtendRetract == other.eExtendRetract &&
           sdEvStartTime == other.sdEvStartTime && sdEvDuration == other.sdEvDuration;
}

CAccumulatorData::CAccumulatorData() : m_strType(LoadString(kStringViewAll))
{
    deSelectApp = 0;
    eGasBottleType = 3;
}

CAccumulatorData::CAccumulatorData(const CAccumulatorData& other)
    : CBaseProduct(other), SApplicationData(), m_operatingTemperatures(other.m_operatingTemperatures)
{
    WalkAccumulatorFields(
        [&](auto pField, EField eField = EField::Compared)
        {
            if (eField == EField::Compared)
                this->*pField = other.*pField;
        });
}

CAccumulatorData& CAccumulatorData::operator=(const CAccumulatorData& other)
{
    if (this == &other)
        return *this;
    CBaseProduct::operator=(other);
    m_operatingTemperatures = other.m_operatingTemperatures;
    WalkAccumulatorFields(
        [&](auto pField, EField eField = EField::Compared)
        {
            if (eField == EField::Compared)
                this->*pField = other.*pField;
        });
    return *this;
}

std::unique_ptr<CBaseProduct> CAccumulatorData::Clone() const
{
    return std::make_unique<CAccumulatorData>(*this);
}

bool CAccumulatorData::IsEqual(const CAccumulatorData& other) const
{
    if (m_nLevel != other.m_nLevel || m_lstCodes != other.m_lstCodes ||
        m_lstDefaultCodes != other.m_lstDefaultCodes)
        return false;
    // The owner pointer is not part of the selection; unit values compare as CUnitDouble does.
    bool bEqual = true;
    WalkAccumulatorFields(
        [&](auto pField, EField eField = EField::Compared)
        {
            if (bEqual && eField == EField::Compared)
                bEqual = this->*pField == other.*pField;
        });
    return bEqual;
}

bool CAccumulatorData::IsSameAsStored() const
{
    if (m_pOwner == nullptr)
        return false;
    const auto* pStored = dynamic_cast<const CAccumulatorData*>(m_pOwner->CurrentSelection());
    return pStored != nullptr && IsEqual(*pStored);
}

std::string CAccumulatorData::DefaultUnit(int nCategoryId) const
{
    if (m_pOwner != nullptr)
        return m_pOwner->DefaultUnit(nCategoryId);
    return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
}

IDatabase* CAccumulatorData::Catalogue() const
{
    IDatabase* pDb = m_pOwner != nullptr ? m_pOwner->Database() : nullptr;
    return pDb != nullptr && pDb->IsOpen() ? pDb : nullptr;
}

void CAccumulatorData::ResetApplication(SApplicationData& data) const
{
    using namespace UnitCategory;
    const std::string strVolume = DefaultUnit(Volume);
    const std::string strPressure = DefaultUnit(Pressure);
    const std::string strTemperature = DefaultUnit(Temperature);
    const std::string strFlow = DefaultUnit(FlowRate);
    const std::string strDisplacement = DefaultUnit(Displacement);
    const std::string strDistance = DefaultUnit(Distance);

    data.deSelectApp = app::NoneChosen;
    data.sdRequiredAccumulatorVol.Set(0.0, strVolume);
    data.sdMaxSysPress.Set(0.0, strPressure);
    data.sdMinSysPress.Set(0.0, strPressure);
    data.sdSysTemperature.Set(70.0, strTemperature);
    data.sdFlowRate.Set(0.0, strFlow);
    data.deSelectCalcMethod = 0;
    data.sdActVolDisplacement.Set(0.0, strVolume);
    data.sdActuationTime.Set(0.0, "SEC");
    data.sdDwellTime.Set(0.0, "SEC");
    data.sdMinPumpFlow.Set(0.0, strFlow);
    data.sdCylDim_BoreDia.Set(0.0, strDistance);
    data.sdCylDim_RodDia.Set(0.0, strDistance);
    data.sdCylDim_StrokeLen.Set(0.0, strDistance);
    data.siCylDim_NoCylParallel.Set(0, "NONE");
    data.enumCylAffects = 0;
    data.sdEnterPumpSize.Set(0.0, strFlow);
    data.bIsPumpRunning = 1;
    data.sdPrechargePress.Set(0.0, strPressure);
    data.bPrechargeIHaveUseCalc = 0;
    data.bPrechargePistonOrBladder = 1;
    data.sdVolRatio.SetValue(0.0);
    data.sdVolDefci.Set(0.0, "CU_IN");
    data.sdPolyTropicExponent.Set(0.0, "NONE");
    data.sdPolyTropicExponentCharging.Set(0.0, "NONE");
    data.sdMultiEventTotalDuration.Set(0.0, "SEC");
    data.iNumOfActuators = 0;
    data.iCriticalActuator = 0;
    data.iCriticalEvent = 0;
    data.cudFlow.Set(0.0, strFlow);
    data.sdHoldTimeHold.Set(0.0, "SEC");
    data.sdHoldLeakageRate.Set(0.0, strFlow);
    data.bHoldLeakageRateChoice = 1;
    data.siHoldNoOfValves.SetValue(1);
    data.sdHoldValveSize.Set(0.75, "IN");
    data.sdShockMaxShockPress.Set(0.0, strPressure);
    data.strShockFluid.clear();
    data.dShockFluidDensity = 0.0314;
    data.sdShockTubeLength.Set(0.0, strDistance);
    data.bShockPipeOrTube = 1;
    data.strShockNominalSize = std::string(1, '1');
    data.dShockNominalSize = 0.0;
    data.strShockSchedule = std::string("40");
    data.dShockSchedule = 0.0;
    data.iPulsationNoOfPistInPump = 1;
    data.sdPulsationPumpDisp.Set(0.0, strDisplacement);
    data.iPulsationPumpSpeed = 0;
    data.sdPulsationCalcDisplacement.Set(0.0, strDisplacement);
    data.bPulsationEnterPumpDispOrCalc = 1;
    data.bPulsationSingleOrDoublePump = 1;
    data.bShockVarOrFixed = 1;
    data.sdShockReliefValve.SetValue(0.0);
    data.sdShockResponseTime.Set(0.0, "SEC");
}

void CAccumulatorData::Initialize(int nLevel)
{
    using namespace UnitCategory;
    // Without an owner or an open catalogue (a test, a command-line conversion) the limits
    // and the seal default keep their values, and nothing is shown: there is nothing to ask.
    IDatabase* pDb = Catalogue();

    if (nLevel == 0 && pDb != nullptr)
    {
        ReadLimit(*pDb, "qMaxCapacity", "MaxCapacity", "CU_M", sdAllowedMaxAccumulatorVol);
        ReadLimit(*pDb, "qMaxPressure", "MaxPressure", "PA", sdAllowedMaxAccumulatorPress);
        ReadLimit(*pDb, "qMaxTemperature", "MaxTemp", "DEG_F", sdAllowedMaxTemperature);
        ReadLimit(*pDb, "qMinTemperature", "MinTemp", "DEG_F", sdAllowedMinTemperature);
    }

    if (nLevel < 2)
        ResetApplication(*this);

    if (nLevel < 3)
    {
        const std::string strPressure = DefaultUnit(Pressure);
        const std::string strVolume = DefaultUnit(Volume);
        strOversizePorts.assign(1, 'N');
        cpcSeriesCode.Reset();
        cpcCapCode.Reset();
        cpcPressureCode.Reset();
        cudMaxPressure.Set(0.0, strPressure);
        cpcNomBoreCode.Reset();
        cpcDesignNumber.Reset();
        strAccumulatorType = "Piston";
        strAccumulatorDesc.clear();
        cudCapacityAccEach.Set(0.0, strVolume);
        cudCapacityAccTotal.Set(0.0, strVolume);
        cudCapacityGBEach.Set(0.0, strVolume);
        cudCapacityGBTotal.Set(0.0, strVolume);
        siQty.SetValue(1);
        siGBQty.SetValue(0);
        cpcGBPartNumber.Reset();
        cudBoreDisplay.Set(0.0, DefaultUnit(Distance));
        bGasBottle = 0;
        m_strType.clear();
        m_strDescription.clear();
        cpcPortModTypeCode.Reset();
        cpcPortModSizeCode.Reset();
        cpcGasPortModTypeCode.Reset();
        cpcGasPortModSizeCode.Reset();
    }

    if (nLevel < 4)
    {
        const std::string strTemperature = DefaultUnit(Temperature);
        m_strPartNo.clear();
        cpcSealCode.Reset();
        if (strAccumulatorType != "GB" && pDb != nullptr)
        {
            IQueryDef query(*pDb);
            query.Open("qSealInitialization");
            query.SetParamValue("[parAccumType]", strAccumulatorType);
            IRecordset rows(*pDb);
            if (const IRecordset* pRow = FirstRow(rows, query))
                cpcSealCode.m_strCode = pRow->GetString("Default");
        }
        // The port code belongs to the model step: choosing the details again keeps it.
        if (nLevel < 3)
            cpcPortCode.Reset();
        strPortDescription.clear();
        cpcConstCode.Reset();
        strApproval.clear();
        cpcModCode.Reset();
        cpcCertCode.Reset();
        cpcHydPortCode.Reset();
        cpcGasPortCode.Reset();
        cpcGasValveCode.Reset();
        strTypFluid.clear();
        cudMaxEnteredTempFluidCompatibility.Set(0.0, strTemperature);
        cudMinEnteredTempFluidCompatibility.Set(0.0, strTemperature);
        strSelectedFluid.clear();
        cudMaxFluidTempFluidCompatibility.Set(110.0, strTemperature);
        cudMinFluidTempFluidCompatibility.Set(60.0, strTemperature);
    }
}

bool CAccumulatorData::ShowsPortModifications() const
{
    if (cpcDesignNumber.m_strCode == "3")
        return true;
    if (cpcDesignNumber.m_strCode != "2")
        return false;
    IDatabase* pDb = Catalogue();
    if (pDb == nullptr)
        return false; // without the catalogue nothing says the ports differ from the standard
    IQueryDef query(*pDb);
    query.Open("qPistonShowPort");
    // The catalogue compares pressures in its base unit, as every query parameter is passed.
    query.SetParamValue("[parPressure]", cudMaxPressure.GetValue("PA"));
    query.SetParamValue("[parSeries]", cpcSeriesCode.m_strCode);
    query.SetParamValue("[parDesignNumber]", cpcDesignNumber.m_strCode);
    query.SetParamValue("[parBoreSize]", cpcNomBoreCode.m_strCode);
    query.SetParamValue("[parPressureCode]", cpcPressureCode.m_strCode);
    query.SetParamValue("[parHydraulicSize]", cpcPortModSizeCode.m_strCode);
    query.SetParamValue("[parHydraulicType]", cpcPortModTypeCode.m_strCode);
    query.SetParamValue("[parGasType]", cpcGasPortModTypeCode.m_strCode);
    IRecordset rows(*pDb);
    const IRecordset* pRow = FirstRow(rows, query);
    return pRow != nullptr && pRow->GetBool("ShowPort");
}

std::vector<CPartCode> CAccumulatorData::CollectCodes() const
{
    std::vector<CPartCode> codes;
    for (const CPartCode* pCode :
         {&cpcPressureCode, &cpcCapCode, &cpcSeriesCode, &cpcNomBoreCode, &cpcDesignNumber})
        AddCode(codes, *pCode);
    if (OwnerProdId() != 1 && strAccumulatorType == "Piston" && ShowsPortModifications())
    {
        for (const CPartCode* pCode :
             {&cpcPortModTypeCode, &cpcPortModSizeCode, &cpcGasPortModTypeCode, &cpcGasPortModSizeCode})
            AddCode(codes, *pCode);
    }
    if (m_nLevel == 2)
    {
        for (const CPartCode& code : m_lstDefaultCodes)
            AddCode(codes, code);
    }
    for (const CPartCode* pCode : {&cpcOptionCode, &cpcSealCode, &cpcPortCode, &cpcConstCode, &cpcModCode,
                                   &cpcCertCode, &cpcHydPortCode, &cpcGasPortCode, &cpcGasValveCode})
        AddCode(codes, *pCode);
    return codes;
}

std::string CAccumulatorData::BuildPartNumber()
{
    m_strPartNo.clear();
    m_lstCodes.clear();
    m_lstCodes = CollectCodes();
    m_strPartNo = AssemblePartNumber();
    return m_strPartNo;
}

std::string CAccumulatorData::CreateCadNo()
{
    return LoadString(kStringNotImplemented);
}

std::string CAccumulatorData::GetSelectionDisplayText(int nStep) const
{
    switch (nStep)
    {
    case 1:
        return strApplicationText;
    case 2:
        return m_nLevel >= 2 ? GetPartDescription() : std::string();
    case 3:
        // Assembled afresh, so the text follows the codes even before BuildPartNumber ran.
        return m_nLevel >= 3 ? AssemblePartNumber(CollectCodes()) : std::string();
    default:
        return std::string();
    }
}

bool CAccumulatorData::IsStepEnabled(int nStep) const
{
    const bool bGasBottles = OwnerProdId() == 1; // no application step for gas bottles
    switch (nStep)
    {
    case 1:
        return !bGasBottles;
    case 2:
        return bGasBottles || m_nLevel >= 1;
    case 3:
        return m_nLevel >= 2;
    default:
        return false;
    }
}

bool CAccumulatorData::IsCadCommandEnabled() const
{
    // A gas bottle chosen as a product has no drawing, even one with a piston or bladder body:
    // the drawings show an accumulator with its fluid port.
    if (OwnerProdId() == 1)
        return false;
    return (strAccumulatorType == "Piston" || strAccumulatorType == "Bladder") && IsComplete();
}

std::string CAccumulatorData::GetCadMailboxTable() const
{
    if (strAccumulatorType == "Piston")
        return "PA_Mailbox";
    if (strAccumulatorType == "Bladder")
        return "BA_Mailbox";
    return std::string();
}

std::string CAccumulatorData::GetCadMailboxDatabase() const
{
    if (strAccumulatorType == "Piston" || strAccumulatorType == "Bladder")
        return kCadMailboxFileName;
    return std::string();
}

std::string CAccumulatorData::GetCadProgram() const
{
    if (strAccumulatorType == "Piston")
        return "PistonCad.exe";
    if (strAccumulatorType == "Bladder")
        return "BladderCad.exe";
    return std::string();
}

std::string CAccumulatorData::GetGasBottleQuantityText() const
{
    return siGBQty.Format();
}

bool CAccumulatorData::IsComplete() const
{
    return m_nLevel >= 3;
}

std::string CAccumulatorData::GetGasBottleDescription() const
{
    return cpcGBPartNumber.m_strDescription;
}

std::string CAccumulatorData::GetGasBottlePartNumber() const
{
    return cpcGBPartNumber.m_strCode;
}

std::string CAccumulatorData::GetPartDescription() const
{
    return m_strDescription.empty() ? strAccumulatorDesc : m_strDescription;
}

void CAccumulatorData::Serialize(CArchive& ar)
{
    CBaseProduct::Serialize(ar);
    WalkAccumulatorFields([&](auto pField, EField = EField::Compared) { SerializeField(ar, this->*pField); });
    // A unit the program does not know, or one of another kind, would turn the value into 0 or
    // a value of another size wherever it is converted: such a file is not a selection.
    if (ar.IsLoading())
        if (const auto wrong = FindWrongUnit(*this))
            throw CArchiveError(*wrong);
}
