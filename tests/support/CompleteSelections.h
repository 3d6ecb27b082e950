// Complete selections of the built catalogue's models, as the details step leaves them, and
// their selection files: for the CAD drawing and the order pad.
#pragma once

#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

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

// The selection saved as the desktop saves a complete one (product "Accumulators").
inline bool SaveCompleteSelection(const std::filesystem::path& path, const CAccumulatorData& d, bool bComplete = true)
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.strProdType = "Accumulators";
    header.bPartNumberAvailable = bComplete;
    header.bSelectionComplete = bComplete;
    std::string strError;
    return SaveSelectionFile(path, header, d, strError);
}
