// The rapid selection's code lists of each product type, in the order of their dialogs.
#include "models/RapidLists.h"

#include "models/RapidStrings.h"

namespace
{
using F = ERapidField;
using namespace rapidtext;

const SRapidParam kType{"[parAccumType]", kFromType};

std::vector<SRapidList> PistonLists()
{
    const auto port = [](const char* pszName, int nCaption, const char* pszSide, F eField) {
        return SRapidList{pszName, nCaption, "qDpnsPistonModificationPort",
                          {kType, {"[parBoreSize]", 1}, {"[parDesignNumber]", 6}, {"[parPressure]", 5},
                           {"[parSide]", kConstant, pszSide}},
                          "TypeCode", "Type", nullptr, eField};
    };
    const auto size = [](const char* pszName, int nCaption, int nType, F eField) {
        return SRapidList{pszName, nCaption, "qDpnsPistonModificationSize",
                          {{"[parBoreSize]", 1}, {"[parPressure]", 5}, {"[parPortSize]", nType}, {"[parDesignNumber]", 6}},
                          "SizeCode", "Size", nullptr, eField};
    };
    return {
        {"series", kSeries, "qDpnsAllSeries", {kType}, "SeriesCode", "DPNSDesc", nullptr, F::Series},
        {"bore", kNominalBore, "qDpnsPistonSize", {{"[parSeries]", 0}}, "NomBore", "BoreDisplay", "BoreUnits", F::Bore},
        {"construction", kConstruction, "qDpnsPistonConstr", {kType, {"[parBoreSize]", 1}}, "Code", "Description",
         nullptr, F::Construction, "Construction", "Approval"},
        {"options", kOptions, "qDpnsPistonOptions", {{"[parBoreSize]", 1}, {"[parSeries]", 0}}, "OptionCode",
         "Description", nullptr, F::Options, nullptr, "PartNumberCode"},
        {"capacity", kCapacity, "qDpnsPistonCapacity", {{"[parSeries]", 0}, {"[parBoreSize]", 1}}, "CapCode", "Cap",
         "CapUnits", F::Capacity},
        {"pressure", kDesignPressure, "qDpnsPistonPressure",
         {{"[parSeries]", 0}, {"[parBoreSize]", 1}, {"[parOptions]", 3}, {"[parCapacity]", 4}}, "PressureCode",
         "Pressure", "PressUnits", F::Pressure},
        {"design", kDesignNumber, "qDpnsPistonNumber", {kType, {"[parCapacity]", 4}, {"[parPressure]", 5}}, "Code",
         "Description", nullptr, F::Design},
        {"seal", kSealType, "qDpnsAllSeals", {kType}, "Code", "Description", nullptr, F::Seal},
        port("port-type", kHydraulicPortType, "Hyd", F::PortType),
        size("port-size", kHydraulicPortSize, 8, F::PortSize),
        port("gas-port-type", kGasPortType, "Gas", F::GasPortType),
        size("gas-port-size", kGasPortSize, 10, F::GasPortSize),
    };
}

// Series, size and pressure: the first lists of the bladder, diaphragm and gas bottle dialogs.
SRapidList Series()
{
    return {"series", kSeries, "qDpnsAllSeries", {kType}, "SeriesCode", "DPNSDesc", nullptr, F::Series};
}
SRapidList CapSize()
{
    return {"size", kSize, "qDpnsAllCapSize", {{"[parSeries]", 0}}, "CapCode", "Cap", "CapUnits", F::Capacity};
}
SRapidList Pressure(const char* pszQuery)
{
    return {"pressure", kPressure, pszQuery, {{"[parSeries]", 0}, {"[parCapCode]", 1}}, "PressureCode", "Pressure",
            "PressUnits", F::Pressure};
}
// A list of codes and descriptions by the series.
SRapidList BySeries(const char* pszName, int nCaption, const char* pszQuery, F eField)
{
    return {pszName, nCaption, pszQuery, {{"[parSeries]", 0}}, "Code", "Description", nullptr, eField};
}
SRapidList Seals(const char* pszName, int nCaption, F eField)
{
    return {pszName, nCaption, "qDpnsAllSeals", {kType}, "Code", "Description", nullptr, eField};
}

std::vector<SRapidList> BladderLists()
{
    const SRapidParam size{"[parSize]", 1};
    const SRapidParam pressure{"[parPressure]", 3};
    return {
        Series(),
        CapSize(),
        {"construction", kConstruction, "qDpnsBladderConstr", {{"[parSeries]", 0}, size}, "Code", "Description",
         nullptr, F::Construction},
        Pressure("qDpnsPressure"),
        {"port", kPort, "qDpnsBladderHydPort", {{"[parSeries]", 0}, {"[parBoreSize]", 1}, pressure}, "Code",
         "Description", nullptr, F::HydPort, nullptr, "PortSize"},
        Seals("seal", kSeals, F::Seal),
        {"modification", kDesignModification, "qDpnsBladderMod1", {{"[parSeries]", 0}, size, pressure}, "Code",
         "Description", nullptr, F::Modification},
        {"certification", kDesignModification, "qDpnsBladderMod2", {kType, size, pressure}, "Code", "Description",
         nullptr, F::Certification},
        {"design-code", kDesignCode, "qDpnsBladderDesCode", {{"[parBoreSize]", 1}}, "Code", "Description", nullptr,
         F::Design},
    };
}

std::vector<SRapidList> DiaphragmLists()
{
    return {Series(),
            CapSize(),
            BySeries("construction", kConstruction, "qDpnsDiaphragmConstr", F::Construction),
            Pressure("qDpnsPressure"),
            // The fluid port is the diaphragm's design position, as the model step has it.
            BySeries("port", kPort, "qDpnsDiaphragmPort", F::Design),
            Seals("diaphragm", kDiaphragm, F::Seal),
            BySeries("variation", kVariation, "qDpnsDiaphragmVariation", F::Certification),
            BySeries("design-code", kDesignCode, "qDpnsDiaphragmCode", F::None)};
}

std::vector<SRapidList> GasBottleLists()
{
    return {Series(),
            CapSize(),
            BySeries("construction", kConstruction, "qDpnsGBConstr", F::None),
            Pressure("qDpnsGBPressure"),
            BySeries("gas-port", kGasPort, "qDpnsGBGasPort", F::GasPort),
            BySeries("valve-port", kGasValvePort, "qDpnsGBValvePort", F::GasValve),
            BySeries("variation", kDesignVariation, "qDpnsGBOptions", F::None),
            BySeries("design-code", kDesignCode, "qDpnsGBVariation", F::None)};
}

std::vector<SRapidList> OvrisolLists()
{
    const auto fixed = [](const char* pszName, int nCaption, const char* pszQuery, F eField) {
        return SRapidList{pszName, nCaption, pszQuery, {}, "Code", "Description", nullptr, eField};
    };
    return {Series(),
            {"size", kSize, "qDpnsOVSize", {}, "Code", "CapDisplay", "CapDisplayUnits", F::Size},
            {"construction", kConstruction, "qDpnsOVConstr", {{"[parSizeCode]", 1}}, "Code", "Description", nullptr,
             F::Construction},
            fixed("pressure", kPressure, "qDpnsOVPressure", F::None),
            fixed("port", kPort, "qDpnsOVPort", F::Fixed),
            Seals("bladder", kBladder, F::Bladder),
            fixed("variation", kVariation, "qDpnsOVVariation", F::None),
            fixed("design-code", kDesignCode, "qDpnsOVDesCode", F::Fixed)};
}
} // namespace

const std::vector<SRapidType>& RapidTypes()
{
    static const std::vector<SRapidType> types = {
        {"Piston", kTitlePiston, "CDpnsPiston", 0, true, PistonLists()},
        {"Bladder", kTitleBladder, "CDpnsBladder", 0, true, BladderLists()},
        {"Diaphragm", kTitleDiaphragm, "CDpnsDiaphragm", 0, false, DiaphragmLists()},
        {"GB", kTitleGasBottle, "CDpnsGB", 1, false, GasBottleLists()},
        {"OV", kTitleOvrisol, "CDpnsOvrisol", 2, false, OvrisolLists()},
    };
    return types;
}

const SRapidType* FindRapidType(const std::string& strType)
{
    for (const SRapidType& type : RapidTypes())
        if (strType == type.pszType)
            return &type;
    return nullptr;
}

int FindRapidList(const SRapidType& type, const std::string& strName)
{
    for (std::size_t i = 0; i < type.lists.size(); ++i)
        if (strName == type.lists[i].pszName)
            return static_cast<int>(i);
    return -1;
}
