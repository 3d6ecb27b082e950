// Test helpers for selections: an owner to hand them, and a selection with every field set.
#pragma once

#include "platform/Archive.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionOwner.h"
#include "units/DefaultUnits.h"
#include "units/UnitTable.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

class CFakeOwner : public ISelectionOwner
{
public:
    IDatabase* Database() override { return m_pDb; }
    int ProdId() const override { return m_nProdId; }
    std::string DefaultUnit(int nCategoryId) const override { return m_units.GetDefaultUnit(nCategoryId); }
    const CBaseProduct* CurrentSelection() const override { return m_pCurrent; }

    IDatabase* m_pDb = nullptr;
    int m_nProdId = 0;
    CDefaultUnits m_units = CDefaultUnits::Metric();
    const CBaseProduct* m_pCurrent = nullptr;
};

// Sets fields to values of their own, one after another, and writes the bytes a file holds for
// them: a unit value is its unit code, then the number; a code is its code, location, code type,
// description and tag. Units vary, and texts hold characters beyond ASCII, so a wrong unit or
// encoding shows.
class CStoredFields
{
public:
    // nChanged: the one field (counted from 0, code lists and level apart) that gets another
    // value than a plain fill gives it; -1 for none.
    explicit CStoredFields(int nChanged = -1) : m_nChanged(nChanged) {}

    // How many fields were set one by one.
    int FieldCount() const { return m_nField; }
    const std::vector<std::uint8_t>& Expected() const { return m_ar.Bytes(); }

    // What every product stores first: its codes, its default codes (as they are) and its level.
    CStoredFields& Base(CBaseProduct& p, int nLevel)
    {
        p.m_nLevel = nLevel;
        Codes(p.m_lstCodes);
        Codes(p.m_lstDefaultCodes);
        m_ar.WriteInt32(nLevel);
        return *this;
    }
    template <class... T> CStoredFields& U(int nCategory, T&... values)
    {
        (Unit(values, nCategory), ...);
        return *this;
    }
    template <class... T> CStoredFields& I(T&... values)
    {
        ((values = Next(), m_ar.WriteInt32(values)), ...);
        return *this;
    }
    template <class... T> CStoredFields& S(T&... values)
    {
        ((values = "t\u00E9xt " + std::to_string(Next()), m_ar.WriteString(values)), ...);
        return *this;
    }
    template <class... T> CStoredFields& C(T&... codes)
    {
        (Code(codes), ...);
        return *this;
    }
    CStoredFields& D(double& d)
    {
        m_ar.WriteDouble(d = Next() + 0.5);
        return *this;
    }

protected:
    // Two units of each field's kind, taken in turn, so that a wrong unit shows; a file with a unit
    // of another kind is not a selection.
    static const char* UnitOf(int nCategory, int n)
    {
        using namespace UnitCategory;
        const bool bFirst = n % 2 == 0;
        switch (nCategory)
        {
        case Temperature:
            return bFirst ? "DEG_F" : "DEG_C";
        case Pressure: // the gauge bar as well, which files of earlier versions never hold
            return n % 3 == 0 ? "PSIG" : n % 3 == 1 ? "BAR" : "BARG";
        case Volume:
            return bFirst ? "CU_IN" : "L";
        case FlowRate:
            return bFirst ? "GPM" : "LPM";
        case Displacement:
            return bFirst ? "CU_IN_REV" : "CC_REV";
        case Distance:
            return bFirst ? "IN" : "MM";
        case Time:
            return bFirst ? "SEC" : "MIN";
        }
        return "NONE";
    }

    // The next field's number; a field's value also tells whether it is the changed one.
    int Next()
    {
        ++m_n;
        return m_nField++ == m_nChanged ? m_n + 1000 : m_n;
    }
    template <class V> void Unit(V& value, int nCategory)
    {
        const int n = Next();
        const char* pszUnit = UnitOf(nCategory, m_n);
        m_ar.WriteString(pszUnit);
        if constexpr (std::is_same_v<V, CUnitDouble>)
            m_ar.WriteDouble(n + 0.125);
        else
            m_ar.WriteInt32(n);
        value.Set(n + (std::is_same_v<V, CUnitDouble> ? 0.125 : 0), pszUnit);
    }
    void Code(CPartCode& c)
    {
        const int n = Next();
        c = CPartCode("c" + std::to_string(n), m_n % 40, "d\u00B0" + std::to_string(m_n),
                      "k" + std::to_string(m_n));
        c.m_nTag = -m_n;
        m_ar.WriteString(c.m_strCode);
        m_ar.WriteInt32(c.m_nLocation);
        m_ar.WriteString(c.m_strCodeType);
        m_ar.WriteString(c.m_strDescription);
        m_ar.WriteInt32(c.m_nTag);
    }
    void Codes(std::vector<CPartCode>& codes)
    {
        m_ar.WriteCount(codes.size());
        for (CPartCode& c : codes)
            c.Serialize(m_ar);
    }

    CArchive m_ar;
    int m_n = 0;
    int m_nChanged = -1;
    int m_nField = 0;
};

// Sets every field of an accumulator selection, in the stored order of the file, and returns the
// bytes the file must hold from the code lists on.
class CSelectionFiller : public CStoredFields
{
public:
    explicit CSelectionFiller(CAccumulatorData& d, int nChanged = -1) : CStoredFields(nChanged), m_d(d) {}

    CArchive Fill()
    {
        using namespace UnitCategory;
        CAccumulatorData& d = m_d;
        d.m_lstCodes = {CPartCode("PA", 1, "Series", "Series"), CPartCode("_", 4)};
        d.m_lstDefaultCodes = {CPartCode("X", 12, "Default")};
        Base(d, 3);
        U(Volume, d.sdAllowedMaxAccumulatorVol);
        U(Pressure, d.sdAllowedMaxAccumulatorPress);
        U(Temperature, d.sdAllowedMaxTemperature, d.sdAllowedMinTemperature);
        d.m_lstEvents.resize(3);
        m_ar.WriteCount(3);
        for (SEvent& e : d.m_lstEvents)
        {
            U(FlowRate, e.sdFlowrate);
            U(Volume, e.sdVolume);
            U(Distance, e.sdBoreDia, e.sdRodDia, e.sdStrokeLength);
            U(Time, e.sdEvStartTime, e.sdEvDuration);
            I(e.iActNo, e.iEventNo, e.bPumpAvail, e.enumActVolForEvent, e.eExtendRetract);
        }
        C(d.cpcSeriesCode, d.cpcCapCode, d.cpcPressureCode);
        U(Pressure, d.cudMaxPressure);
        C(d.cpcNomBoreCode, d.cpcDesignNumber);
        U(Volume, d.cudCapacityAccEach, d.cudCapacityAccTotal, d.cudCapacityGBEach, d.cudCapacityGBTotal);
        U(0, d.siQty, d.siGBQty);
        C(d.cpcGBPartNumber);
        U(Distance, d.cudBoreDisplay);
        C(d.cpcSealCode, d.cpcPortCode, d.cpcConstCode);
        d.m_caSelectedOptionArray.resize(2);
        m_ar.WriteCount(2);
        for (SOptionElement& o : d.m_caSelectedOptionArray)
        {
            C(o.code);
            I(o.nKey);
        }
        C(d.cpcOptionCode, d.cpcPortModTypeCode, d.cpcPortModSizeCode, d.cpcGasPortModTypeCode,
          d.cpcGasPortModSizeCode, d.cpcModCode, d.cpcCertCode, d.cpcHydPortCode, d.cpcGasPortCode,
          d.cpcGasValveCode);
        U(Temperature, d.cudMaxEnteredTempFluidCompatibility, d.cudMinEnteredTempFluidCompatibility,
          d.cudMaxFluidTempFluidCompatibility, d.cudMinFluidTempFluidCompatibility);
        S(d.strApplicationText);
        I(d.deSelectApp);
        U(Volume, d.sdRequiredAccumulatorVol);
        U(Pressure, d.sdMaxSysPress, d.sdMinSysPress);
        U(Temperature, d.sdSysTemperature);
        U(FlowRate, d.sdFlowRate);
        I(d.deSelectCalcMethod);
        U(Volume, d.sdActVolDisplacement);
        U(Time, d.sdActuationTime, d.sdDwellTime);
        U(FlowRate, d.sdMinPumpFlow);
        U(Distance, d.sdCylDim_BoreDia, d.sdCylDim_RodDia, d.sdCylDim_StrokeLen);
        U(0, d.siCylDim_NoCylParallel);
        I(d.enumCylAffects);
        U(FlowRate, d.sdEnterPumpSize);
        d.bIsPumpRunning = 0; // one value, at both of its places
        m_ar.WriteInt32(0);
        U(Pressure, d.sdPrechargePress);
        m_ar.WriteInt32(0);
        I(d.bPrechargeIHaveUseCalc, d.bPrechargePistonOrBladder);
        U(0, d.sdVolRatio);
        U(Volume, d.sdVolDefci);
        U(0, d.sdPolyTropicExponent, d.sdPolyTropicExponentCharging);
        U(Time, d.sdMultiEventTotalDuration);
        I(d.iNumOfActuators, d.iCriticalActuator, d.iCriticalEvent);
        U(FlowRate, d.cudFlow);
        U(Time, d.sdHoldTimeHold);
        U(FlowRate, d.sdHoldLeakageRate);
        I(d.bHoldLeakageRateChoice);
        U(0, d.siHoldNoOfValves);
        U(Distance, d.sdHoldValveSize);
        U(Pressure, d.sdShockMaxShockPress);
        S(d.strShockFluid);
        D(d.dShockFluidDensity);
        U(Distance, d.sdShockTubeLength);
        I(d.bShockPipeOrTube);
        S(d.strShockNominalSize);
        D(d.dShockNominalSize);
        S(d.strShockSchedule);
        D(d.dShockSchedule);
        I(d.iPulsationNoOfPistInPump);
        U(Displacement, d.sdPulsationPumpDisp);
        I(d.iPulsationPumpSpeed);
        U(Displacement, d.sdPulsationCalcDisplacement);
        I(d.bPulsationEnterPumpDispOrCalc, d.bPulsationSingleOrDoublePump, d.bShockVarOrFixed);
        U(Time, d.sdShockReliefValve, d.sdShockResponseTime);
        I(d.eGasBottleType);
        S(d.m_strCadNo, d.strOversizePorts, d.strAccumulatorType, d.strAccumulatorDesc, d.m_strType);
        I(d.bGasBottle);
        S(d.m_strDescription, d.m_strPartNo, d.strPortDescription, d.strApproval, d.strTypFluid,
          d.strSelectedFluid, d.strFluidCompatDescription);
        d.m_strDump = "never stored";
        return std::move(m_ar);
    }

private:
    CAccumulatorData& m_d;
};
