// Complete selections of the built catalogue's models, as the details step leaves them, and
// their selection files: for the CAD drawing and the order pad.
#pragma once

#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <filesystem>
#include <string>

// The application part of an auxiliary power sizing as its results leave it: 100 in³ over 2 s
// from 3000 down to 2000 psia, precharge 1800 psia at 70 °F, discharge exponent 1.9, and a gas
// volume of 738 in³, just above the 737.5 in³ of 100 (3/2) / (0.95 x 0.9 ((3/2)^(1/1.9) - 1)).
inline void SizedAuxiliaryPower(CAccumulatorData& d)
{
    d.ResetApplication(d);
    d.deSelectApp = 3;
    d.sdActVolDisplacement.Set(100.0, "CU_IN");
    d.sdActuationTime.Set(2.0, "SEC");
    d.sdMaxSysPress.Set(3000.0, "PSIA");
    d.sdMinSysPress.Set(2000.0, "PSIA");
    d.sdPrechargePress.Set(1800.0, "PSIA");
    d.sdSysTemperature.Set(70.0, "DEG_F");
    d.sdRequiredAccumulatorVol.Set(738.0, "CU_IN");
    d.sdPolyTropicExponent.Set(1.9, "NONE");
}

// PA, 3000 psi, 4 in bore, 150 in³, standard ports, fluorocarbon seal, carbon steel, gas
// valve guard: model number "PA31-4-150-VS-G".
inline CAccumulatorData CompletePiston()
{
    CAccumulatorData d;
    d.strAccumulatorType = "Piston";
    d.strAccumulatorDesc = "Piston, 4 in Bore";
    d.m_nLevel = 3;
    d.m_strPartNo = "PA31-4-150-VS-G";
    d.cpcSeriesCode = CPartCode("PA", 1);
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcDesignNumber = CPartCode("1", 3);
    d.cpcNomBoreCode = CPartCode("-4", 4);
    d.cpcCapCode = CPartCode("-150", 5);
    d.cpcSealCode = CPartCode("-V", 6);
    d.cpcConstCode = CPartCode("S", 11);
    d.cpcOptionCode = CPartCode("-G", 12);
    return d;
}

// BA, 3000 psi, 2.5 gal, flange fluid port, nitrile bladder, low-temperature gas valve.
inline CAccumulatorData CompleteBladder()
{
    CAccumulatorData d;
    d.strAccumulatorType = "Bladder";
    d.strAccumulatorDesc = "Bladder, 2.5 gal";
    d.m_nLevel = 3;
    d.m_strPartNo = "BA31-2.5G-NFSV-T";
    d.cpcSeriesCode = CPartCode("BA", 1);
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcDesignNumber = CPartCode("1", 3);
    d.cpcCapCode = CPartCode("-2.5G", 4);
    d.cpcSealCode = CPartCode("-N", 5);
    d.cpcHydPortCode = CPartCode("F", 6);
    d.cpcConstCode = CPartCode("S", 7);
    d.cpcGasValveCode = CPartCode("V", 8);
    d.cpcModCode = CPartCode("-T", 10);
    return d;
}

// TB, 3000 psi, 10 gal, oil to oil, as "Choose Model" leaves it: the bladder codes of the
// series are its default codes.
inline CTransferBase CompleteTransferBarrier()
{
    CTransferBase d;
    d.m_nLevel = 2;
    d.strService = "Oil to Oil (Separates Two Hydraulic Circuits)";
    d.cudCapacity.Set(10.0, "GAL");
    d.cudPressure.Set(3000.0, "PSIG");
    d.cpcSeriesCode = CPartCode("TB", 1);
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcCapCode = CPartCode("-10G", 4);
    d.cpcServiceCode = CPartCode("-O", 11);
    d.m_lstDefaultCodes = {CPartCode("1", 3), CPartCode("-N", 5), CPartCode("S", 6), CPartCode("S", 7),
                           CPartCode("P", 8)};
    d.BuildPartNumber();
    return d;
}

// A GB bottle chosen as the product: GB, 3000 psi, 10 gal, SAE-16 gas port, standard valve
// (the model's codes set on a selection, the accumulator's cleared).
inline void ChooseGasBottle(CAccumulatorData& d)
{
    d.strAccumulatorType = "GB";
    d.strAccumulatorDesc = "Gas Bottle, 10 gal";
    d.cpcSeriesCode = CPartCode("GB", 1, "Gas Bottle");
    d.cpcPressureCode = CPartCode("3", 2);
    d.cpcCapCode = CPartCode("-10G", 3);
    d.cpcNomBoreCode.Reset();
    d.cpcDesignNumber.Reset();
    d.cpcSealCode.Reset();
    d.cpcConstCode.Reset();
    d.cpcGasPortCode = CPartCode("-S", 4, "SAE-16 Gas Port (1-5/16-12 UN)");
    d.cpcGasValveCode = CPartCode("1", 5, "Standard Gas Charging Valve (7/8-14 UNF)");
}

inline CAccumulatorData CompleteGasBottle()
{
    CAccumulatorData d;
    d.m_nLevel = 3;
    ChooseGasBottle(d);
    return d;
}

// OV, 30 gal, galvanized shell, EPDM bladder: "OV-30-G-E-1F".
inline COvrisolBase CompleteIsolator()
{
    COvrisolBase d;
    d.Initialize(0);
    d.m_nLevel = 2;
    d.cudCombinedCapacity.Set(18.0, "L");
    d.cpcSeriesCode = CPartCode("OV", 1);
    d.cpcSizeCode = CPartCode("-30", 2);
    d.cpcConstructionCode = CPartCode("-G", 3);
    d.cpcBladderCode = CPartCode("-E", 4, "Ethylene Propylene (EPDM)");
    d.m_lstDefaultCodes = {CPartCode("F", 6), CPartCode("-1", 5)};
    d.cudCapacityDisplay.Set(30.0, "GAL");
    d.strConstruction = "Hot-Dip Galvanized Steel Shell";
    d.BuildPartNumber();
    return d;
}

// OV, 20 gal, carbon steel, nitrile bladder, sized by 10 gal of cylinders and 5 gal of
// accumulators (x 1.2 = 18 gal): "OV-20-S-N-1F", as Choose Model leaves it (no number stored yet).
inline COvrisolBase IsolatorByCapacities()
{
    COvrisolBase d;
    d.m_nLevel = 2;
    d.strSizeMethodText = "Cylinder and accumulator capacities";
    d.cudCylinderCapacity.Set(10.0, "GAL");
    d.cudAccumulatorCapacity.Set(5.0, "GAL");
    d.cudCombinedCapacity.Set(18.0, "GAL");
    d.cudCapacityDisplay.Set(20.0, "GAL");
    d.strConstruction = "Carbon Steel Shell, Epoxy Painted";
    d.cpcSeriesCode = CPartCode("OV", 1, "Ovrisol Reservoir Isolator");
    d.cpcSizeCode = CPartCode("-20", 2, "20 gal");
    d.cpcConstructionCode = CPartCode("-S", 3, "Carbon Steel Shell, Epoxy Painted");
    d.cpcBladderCode = CPartCode("-N", 4, "Nitrile (NBR)");
    d.m_lstDefaultCodes = {CPartCode("-1", 5, "Current Design"), CPartCode("F", 6, "Filtered Breather")};
    return d;
}

// The charging and gauging assembly for a 2.5 gal bladder accumulator.
inline CAccessoryBase CompleteAccessory()
{
    CAccessoryBase d;
    d.m_nLevel = 2;
    d.strAccumulatorType = "Bladder";
    d.cudCapacity.Set(2.5, "GAL");
    d.strCapCode = "-2.5G";
    d.strAccessoryPartNumber = "CK-3000";
    d.strAccessoryText = "Charging and Gauging Assembly, 0-3000 psi";
    return d;
}

inline CRepairKitBase CompleteRepairKit()
{
    CRepairKitBase d;
    d.m_nLevel = 2;
    d.strKitType = "Piston Seal Kits";
    d.strKit = "Piston Seal Kit, PA 1 in Bore, Nitrile (NBR)";
    d.strPartNumber = "RK-PA1-N";
    return d;
}

// The header of a selection file made in U.S. English.
inline SSelectionHeader UsHeader(int nProdId = 0, const std::string& strProdType = "Accumulators")
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.nLanguageNameId = 500;
    header.strProductLine = "European Accumulators";
    header.nProdId = nProdId;
    header.strProdType = strProdType;
    return header;
}

// The selection saved as the desktop saves a complete one (product "Accumulators", or the
// product named).
inline bool SaveCompleteSelection(const std::filesystem::path& path, const CBaseProduct& d,
                                  bool bComplete = true, int nProdId = 0,
                                  const std::string& strProdType = "Accumulators")
{
    SSelectionHeader header = UsHeader(nProdId, strProdType);
    header.bPartNumberAvailable = bComplete;
    header.bSelectionComplete = bComplete;
    std::string strError;
    return SaveSelectionFile(path, header, d, strError);
}
