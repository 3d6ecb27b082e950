// Complete selections of the built catalogue's models, as the details step leaves them, and
// their selection files: for the CAD drawing and the order pad.
#pragma once

#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <filesystem>
#include <string>

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

// The selection saved as the desktop saves a complete one (product "Accumulators", or the
// product named).
inline bool SaveCompleteSelection(const std::filesystem::path& path, const CBaseProduct& d, bool bComplete = true,
                                  int nProdId = 0, const std::string& strProdType = "Accumulators")
{
    SSelectionHeader header;
    header.nProdId = nProdId;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.strProdType = strProdType;
    header.bPartNumberAvailable = bComplete;
    header.bSelectionComplete = bComplete;
    std::string strError;
    return SaveSelectionFile(path, header, d, strError);
}
