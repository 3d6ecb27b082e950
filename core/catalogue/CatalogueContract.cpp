// The catalogue contract: queries, parameters, fields and representative parameter values.
#include "catalogue/CatalogueContract.h"

#include <cstdint>

namespace
{
using R = EReadAs;

// Representative values, in the base units the program passes (PA, CU_M, CU_M_MIN).
constexpr double k3000Psig = 3000.0 * 6894.757 + 101314.224;
constexpr double k300CuIn = 300.0 * 1.638706e-05;
constexpr double k100CuIn = 100.0 * 1.638706e-05;
constexpr double k20Gpm = 20.0 * 0.003785412;

std::vector<SContractField> Codes(const char* pszLocation = "CodeLocation")
{
    return {{"Code", R::Text}, {pszLocation, R::Whole}, {"Description", R::Text}};
}

std::vector<SContractParam> ModelSearch()
{
    return {{"[parPressure]", k3000Psig}, {"[parCapacity]", k300CuIn}, {"[parFluidVolume]", k100CuIn},
            {"[parFlowRate]", k20Gpm}};
}

std::vector<SContractField> ModelFields(bool bPiston, bool bGasBottles)
{
    std::vector<SContractField> fields = {
        {"SeriesCode", R::Text},      {"SeriesLocation", R::Whole},  {"CapCode", R::Text},
        {"CapLocation", R::Whole},    {"PressureCode", R::Text},     {"PressureLocation", R::Whole},
        {"PressureRating", R::Number}, {"PressUnits", R::Text},      {"DesignNumber", R::Text},
        {"DesignLocation", R::Whole}, {"AccumulatorDesc", R::Text},  {"AccumulatorType", R::Text},
        {"Capacity", R::Number},      {"CapacityUnits", R::Text},    {"TotalCapacity", R::Number},
        {"TotCapUnits", R::Text},     {"Qty", R::Whole}};
    if (bPiston)
        fields.insert(fields.end(), {{"BoreCode", R::Text},
                                     {"BoreLocation", R::Whole},
                                     {"GBQty", R::Text},
                                     {"BoreDisplay", R::Number},
                                     {"BoreUnits", R::Text},
                                     {"GasBottle", R::Whole}});
    if (bGasBottles)
        fields.insert(fields.end(), {{"GBPartNumber", R::Text},
                                     {"GasBottleDesc", R::Text},
                                     {"GBCapacity", R::Number},
                                     {"GBCapacityUnits", R::Text}});
    return fields;
}

std::vector<SContractField> PartNumberFields()
{
    return {{"Code", R::Text}, {"CodeLocation", R::Whole}, {"CodeType", R::Text}, {"Description", R::Text}};
}

std::vector<SContractField> SealClassFields()
{
    return {{"Description", R::Text}, {"TempLow", R::Number}, {"Units", R::Text},
            {"TempHigh", R::Number},  {"Code", R::Text},      {"CodeLocation", R::Whole}};
}

std::vector<SContractField> Dimensions()
{
    return {{"Dim", R::Text}, {"Value", R::Text}};
}

// The six parameters of every repair kit list, in the order the dialog sets them.
std::vector<SContractParam> RepairKitFilters()
{
    return {{"[parSizeCombo]", "*"}, {"[parSealCombo]", "*"}, {"[parConstruction]", "*"},
            {"[parService]", "*"},   {"[parPort]", "*"},      {"[parRepairKitType]", "Piston Seal Kits"}};
}

// The rapid selection's code lists: a code, its position and its text (or a number and its unit).
std::vector<SContractQuery> RapidSelection()
{
    const auto codes = [](const char* pszCode = "Code", const char* pszText = "Description",
                          std::vector<SContractField> extra = {})
    {
        std::vector<SContractField> fields = {{pszCode, R::Text}, {"CodeLocation", R::Whole}, {pszText, R::Text}};
        fields.insert(fields.end(), extra.begin(), extra.end());
        return fields;
    };
    const auto numbers = [](const char* pszCode, const char* pszValue, const char* pszUnits)
    {
        return std::vector<SContractField>{
            {pszCode, R::Text}, {"CodeLocation", R::Whole}, {pszValue, R::Number}, {pszUnits, R::Text}};
    };
    const SContractParam piston{"[parAccumType]", "Piston"};
    const SContractParam series{"[parSeries]", "BA"};
    const SContractParam bore{"[parBoreSize]", "-4"};
    const SContractParam port{"[parDesignNumber]", "2"};
    const std::vector<SContractParam> pistonPort = {piston, bore, port, {"[parPressure]", "3"}, {"[parSide]", "Hyd"}};
    const std::vector<SContractParam> pistonSize = {bore, {"[parPressure]", "3"}, {"[parPortSize]", "-S"}, port};
    const std::vector<SContractParam> sizePressure = {series, {"[parSize]", "-5G"}, {"[parPressure]", "3"}};
    return {
        {"qDpnsSeriesList", {}, {{"Series", R::Text}, {"SeriesCodesDescription", R::Text}, {"AccumulatorType", R::Text}}},
        {"qDpnsAllSeries", {piston}, codes("SeriesCode", "DPNSDesc")},
        {"qDpnsPistonSize", {{"[parSeries]", "PA"}}, numbers("NomBore", "BoreDisplay", "BoreUnits")},
        {"qDpnsPistonConstr", {piston, bore}, codes("Code", "Description", {{"Construction", R::Text}, {"Approval", R::Text}})},
        {"qDpnsPistonOptions", {bore, {"[parSeries]", "PA"}}, codes("OptionCode", "Description", {{"PartNumberCode", R::Text}})},
        {"qDpnsPistonCapacity", {{"[parSeries]", "PA"}, bore}, numbers("CapCode", "Cap", "CapUnits")},
        {"qDpnsPistonPressure",
         {{"[parSeries]", "PA"}, bore, {"[parOptions]", "-G"}, {"[parCapacity]", "-150"}},
         numbers("PressureCode", "Pressure", "PressUnits")},
        {"qDpnsPistonNumber", {piston, {"[parCapacity]", "-150"}, {"[parPressure]", "3"}}, codes()},
        {"qDpnsAllSeals", {piston}, codes()},
        {"qDpnsPistonModificationPort", pistonPort, codes("TypeCode", "Type")},
        {"qDpnsPistonModificationSize", pistonSize, codes("SizeCode", "Size")},
        {"qDpnsAllCapSize", {series}, numbers("CapCode", "Cap", "CapUnits")},
        {"qDpnsBladderConstr", {series, {"[parSize]", "-5G"}}, codes()},
        {"qDpnsPressure", {series, {"[parCapCode]", "-5G"}}, numbers("PressureCode", "Pressure", "PressUnits")},
        {"qDpnsBladderHydPort", {series, {"[parBoreSize]", "-5G"}, {"[parPressure]", "3"}},
         codes("Code", "Description", {{"PortSize", R::Text}})},
        {"qDpnsBladderMod1", sizePressure, codes()},
        {"qDpnsBladderMod2", {{"[parAccumType]", "Bladder"}, {"[parSize]", "-5G"}, {"[parPressure]", "3"}}, codes()},
        {"qDpnsBladderDesCode", {{"[parBoreSize]", "-5G"}}, codes()},
        {"qDpnsDiaphragmConstr", {{"[parSeries]", "DA"}}, codes()},
        {"qDpnsDiaphragmPort", {{"[parSeries]", "DA"}}, codes()},
        {"qDpnsDiaphragmVariation", {{"[parSeries]", "DA"}}, codes()},
        {"qDpnsDiaphragmCode", {{"[parSeries]", "DA"}}, codes()},
        {"qDpnsGBConstr", {{"[parSeries]", "GB"}}, codes()},
        {"qDpnsGBPressure", {{"[parSeries]", "GB"}, {"[parCapCode]", "-10G"}}, numbers("PressureCode", "Pressure", "PressUnits")},
        {"qDpnsGBGasPort", {{"[parSeries]", "GB"}}, codes()},
        {"qDpnsGBValvePort", {{"[parSeries]", "GB"}}, codes()},
        {"qDpnsGBOptions", {{"[parSeries]", "GB"}}, codes()},
        {"qDpnsGBVariation", {{"[parSeries]", "GB"}}, codes()},
        {"qDpnsOVSize", {}, numbers("Code", "CapDisplay", "CapDisplayUnits")},
        {"qDpnsOVConstr", {{"[parSizeCode]", "-10"}}, codes()},
        {"qDpnsOVPressure", {}, codes()},
        {"qDpnsOVPort", {}, codes()},
        {"qDpnsOVVariation", {}, codes()},
        {"qDpnsOVDesCode", {}, codes()},
        {"qDpnsModel",
         {{"[parSeries]", "PA"}, {"[parPressure]", "3"}, {"[parCapacity]", "-150"}, {"[parBore]", "-4"}},
         {{"SeriesCode", R::Text}, {"SeriesLocation", R::Whole}, {"CapCode", R::Text}, {"CapLocation", R::Whole},
          {"PressureCode", R::Text}, {"PressureLocation", R::Whole}, {"PressureRating", R::Number},
          {"PressUnits", R::Text}, {"BoreCode", R::Text}, {"BoreLocation", R::Whole}, {"DesignNumber", R::Text},
          {"DesignLocation", R::Whole}, {"AccumulatorDesc", R::Text}, {"AccumulatorType", R::Text},
          {"Capacity", R::Number}, {"CapacityUnits", R::Text}, {"BoreDisplay", R::Number}, {"BoreUnits", R::Text}}},
    };
}

std::vector<SContractQuery> Build()
{
    const std::int16_t nOne = 1;
    const std::int16_t nZero = 0;
    return {
        // Catalogue limits, texts, pictures and products.
        {"qMaxCapacity", {}, {{"MaxCapacity", R::Number}}},
        {"qMaxPressure", {}, {{"MaxPressure", R::Number}}},
        {"qMaxTemperature", {}, {{"MaxTemp", R::Number}}},
        {"qMinTemperature", {}, {{"MinTemp", R::Number}}},
        {"qMsgStr", {{"[parMsgId]", "AboveMaxTempMessage"}}, {{"", R::Text}}},
        {"qMsgInt", {{"[parMsgIDInt]", std::int32_t{1001}}}, {{"WarningText", R::Text}}},
        {"qGetImage", {{"[parImageName]", "ProductAccumulators.jpg"}}, {{"Image", R::Bytes}}},
        {"qProduct",
         {},
         {{"ProdType", R::Text}, {"ProdId", R::Whole}, {"Description", R::Text}, {"Image", R::Text}}},
        {"qRefHelpName", {{"[parCategory]", "Help"}}, {{"FileName", R::Text}}},
        {"qRefJump", {{"[parSeries]", "Contents"}, {"[parDialog]", "ALL"}}, {{"RefJump", R::Text}}},
        // Selection data.
        {"qSealInitialization", {{"[parAccumType]", "Piston"}}, {{"Default", R::Text}}},
        {"qPistonShowPort",
         {{"[parPressure]", k3000Psig},
          {"[parSeries]", "PA"},
          {"[parDesignNumber]", "2"},
          {"[parBoreSize]", "-4"},
          {"[parPressureCode]", "3"},
          {"[parHydraulicSize]", "16"},
          {"[parHydraulicType]", "-S"},
          {"[parGasType]", "V"}},
         {{"ShowPort", R::Flag}}},
        // Lookups of the sizing dialogs.
        {"qValveSize", {}, {{"Value", R::Text}, {"ActSize", R::Number}}},
        {"qGetFluidDensity", {}, {{"FluidName", R::Text}, {"FluidDensity", R::Number}}},
        {"qGetNominalSizeID", {}, {{"NominalSize", R::Text}}},
        {"qGetTubeSizeID", {}, {{"NominalSize", R::Text}, {"ID", R::Number}}},
        {"qGetPipeScheduleID", {{"[parNomText]", "1"}}, {{"ScheduleNumber", R::Text}, {"ID", R::Number}}},
        {"qReliefValve",
         {{"[parFlowRate]", 20.0}},
         {{"ReliefValveSizeText", R::Text}, {"ReliefValveResponseTime", R::Number}}},
        {"qVarVolPu", {{"[parFlow]", 20.0}}, {{"ResponseTime", R::Number}}},
        // Model search.
        {"qModelPiston", ModelSearch(), ModelFields(true, false)},
        {"qModelMetricPiston", ModelSearch(), ModelFields(true, false)},
        {"qModelBladder", ModelSearch(), ModelFields(false, false)},
        {"qModelPistonGB",
         {{"[parPressure]", k3000Psig},
          {"[parCapacity]", 60.0 * 0.003785413},
          {"[parFluidVolume]", k100CuIn},
          {"[parFlowRate]", k20Gpm}},
         ModelFields(true, true)},
        {"qModelMetricPistonGB",
         {{"[parPressure]", 200.0e5},
          {"[parCapacity]", 0.15},
          {"[parFluidVolume]", 0.002},
          {"[parFlowRate]", 0.05}},
         ModelFields(true, true)},
        {"qModelDiaphragm",
         {{"[parPressure]", k3000Psig},
          {"[parCapacity]", 40.0 * 1.638706e-05},
          {"[parFluidVolume]", 0.0},
          {"[parFlowRate]", 0.0}},
         ModelFields(false, false)},
        {"qModelApp22Bladder",
         {{"[parPressure]", 3500.0 * 6894.757 + 101314.224},
          {"[parCapacity]", k300CuIn},
          {"[parFluidVolume]", k100CuIn},
          {"[parFlowRate]", k20Gpm}},
         ModelFields(false, false)},
        {"qHighFlowCheck",
         {{"[parFlowRate]", k20Gpm},
          {"[parAccumType]", "Bladder"},
          {"[parCapacity]", "-5G"},
          {"[parPressure]", "3"},
          {"[parQty]", nOne}},
         {{"Result", R::Text}}},
        {"qGasBottlePartNumber", {{"[parAccumType]", "GB"}}, PartNumberFields()},
        {"qPistonPartNumber",
         {{"[parAccumType]", "Piston"},
          {"[parGasBottle]", nZero},
          {"[parBore]", "-4"},
          {"[parDesNumber]", "1"},
          {"[parPressure]", "3"}},
         PartNumberFields()},
        {"qBladderPartNumber", {{"[parSeries]", "BA"}, {"[parPressure]", "3"}}, PartNumberFields()},
        {"qDiaphragmPartNumber", {{"[parSeries]", "DA"}}, PartNumberFields()},
        // Piston details.
        {"qDetailSeal", {{"[parAccumType]", "Piston"}}, Codes()},
        {"qDetailPistonPort",
         {{"[parAccumType]", "Piston"},
          {"[parBoreSize]", "-4"},
          {"[parCapacity]", "-150"},
          {"[parPressure]", "3"},
          {"[parDesignNumber]", "1"}},
         Codes()},
        {"qDetailPistonConstr",
         {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}},
         {{"Construction", R::Text}}},
        {"qDetailPistonApproval",
         {{"[parAccumType]", "Piston"}, {"[parConstruction]", "Carbon Steel"}, {"[parBoreSize]", "-4"}},
         {{"Code", R::Text}, {"CodeLocation", R::Whole}, {"Approval", R::Text}}},
        {"qDetailPistonOption",
         {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}},
         {{"PartNumberCode", R::Text}, {"Option", R::Text}}},
        {"qDetailPistonPortType",
         {{"[parAccumType]", "Piston"}, {"[parPortCode]", "3"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}},
         {{"Type", R::Text}, {"TypeCode", R::Text}, {"HydLocation", R::Whole}}},
        {"qDetailPistonPortSize",
         {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}, {"[parTypeCode]", "-S"}},
         {{"Size", R::Text}, {"SizeCode", R::Text}, {"HydSzLocation", R::Whole}}},
        {"qDetailPistonGasPortType",
         {{"[parAccumType]", "Piston"}, {"[parPortCode]", "3"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}},
         {{"Type", R::Text}, {"TypeCode", R::Text}, {"GasLocation", R::Whole}}},
        {"qDetailPistonGasPortSize",
         {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}, {"[parTypeCode]", "S"}},
         {{"Size", R::Text}, {"SizeCode", R::Text}, {"GasSzLocation", R::Whole}}},
        {"qDetailPistonOptionPN",
         {{"[parOption1]", "M"}, {"[parOption2]", "G"}, {"[parOption3]", ""}},
         {{"OptionCode", R::Text}, {"OptionLocation", R::Whole}}},
        {"qDetailPistonStdPort",
         {{"[ParSeries]", "PA"},
          {"[ParBoreSize]", "-4"},
          {"[parDesignNumber]", "1"},
          {"[parPressureCode]", "3"},
          {"[parPressure]", k3000Psig}},
         {{"StandardPortDescription", R::Text}}},
        // Bladder, diaphragm and gas bottle details.
        {"qDetailBladderConstr", {{"[parSeries]", "BA"}, {"[parSize]", "-5G"}}, Codes()},
        {"qDetailBladderMod", {{"[parSeries]", "BA"}, {"[parSize]", "-5G"}, {"[parPressure]", "3"}}, Codes()},
        {"qDetailBladderCertif",
         {{"[parPressure]", "3"}, {"[parSize]", "-5G"}, {"[parAccumType]", "Bladder"}},
         Codes()},
        {"qDetailBladderHydraulicPort",
         {{"[parPressure]", "3"}, {"[parSizeCode]", "-5G"}, {"[parUserflow]", "N"}},
         {{"Code", R::Text}, {"CodeLocation", R::Whole}, {"Description", R::Text}, {"PortSize", R::Text}}},
        {"qDetailDiaphramConstr", {{"[parSeries]", "DA"}}, Codes()},
        {"qDetailDiaphramCertif", {{"[parSeries]", "DA"}}, Codes()},
        {"qDetailGasBottlePort", {{"[parSeries]", "GB"}}, Codes("PortLocation")},
        {"qDetailGasBottleValvePort", {{"[parSeries]", "GB"}}, Codes("ValveLocation")},
        // Seals and fluid compatibility.
        {"qDetailSealFluid",
         {{"[parAccumType]", "Piston"}, {"[parSealCode]", "-N"}},
         {{"TypicalFluids", R::Text},
          {"Info", R::Text},
          {"TempLow1", R::Number},
          {"TempHigh1", R::Number},
          {"Units1", R::Text},
          {"TempLow2", R::Number},
          {"TempHigh2", R::Number},
          {"Units2", R::Text}}},
        {"qDetailFluidCompatibilty", {}, {{"FluidName", R::Text}}},
        {"qDetailFluidSealClass",
         {{"[parAccumType]", "Piston"},
          {"[parFluid]", "Water-Glycol (HFC)"},
          {"[parTempUnit]", "DEG_F"},
          {"[parTempLow]", 0.0},
          {"[parTempHigh]", 120.0}},
         SealClassFields()},
        {"qDetailFluidNoTempMatch",
         {{"[parAccumType]", "Piston"}, {"[parFluid]", "Water-Glycol (HFC)"}, {"[parTempUnit]", "DEG_C"}},
         SealClassFields()},
        // Gas bottle selection.
        {"qGbPressureAll", {{"[parType]", "*"}}, {{"Pressure", R::Number}, {"PressUnits", R::Text}}},
        {"qGbList",
         {{"[parType]", "GB"}, {"[parPressure]", k3000Psig}},
         {{"Description", R::Text},
          {"AccumulatorType", R::Text},
          {"Capacity", R::Number},
          {"CapUnits", R::Text},
          {"CapCode", R::Text},
          {"CapCodeLocation", R::Whole},
          {"SeriesCode", R::Text},
          {"SeriesLoc", R::Whole},
          {"NomBoreCode", R::Text},
          {"BoreLocation", R::Whole},
          {"DesignCode", R::Text},
          {"DesignLoc", R::Whole},
          {"BoreDisplay", R::Number},
          {"BoreUnits", R::Text},
          {"PressureCode", R::Text},
          {"PressureLocation", R::Whole}}},
        // Reservoir isolators (Ovrisol): capacity limit, sizes, bladders, fixed codes.
        {"qmaxOVSize", {}, {{"MaxOfActualCapacity", R::Number}}},
        {"qOvrisolSize",
         {{"[parVcylinder]", 0.010},
          {"[parVaccumulator]", 0.005},
          {"[parHighfluid]", 0.0},
          {"[parLowfluid]", 0.0},
          {"[parLength]", 0.0},
          {"[parWidth]", 0.0}},
         {{"CapDisplay", R::Number},
          {"CapDisplayUnits", R::Text},
          {"Construction", R::Text},
          {"Series", R::Text},
          {"SeriesLocation", R::Whole},
          {"SizeCode", R::Text},
          {"SizeLocation", R::Whole},
          {"ConstructionCode", R::Text},
          {"ConstructionLocation", R::Whole}}},
        {"qOvrisolBladder", {{"[parSeries]", "OV"}}, Codes()},
        {"qOvrisolPartNumber", {{"[parSeries]", "OV"}}, {{"Code", R::Text}, {"CodeLocation", R::Whole}}},
        // Transfer barriers: the three filter lists and the list.
        {"qTransferBarrierPressure",
         {{"[parSizeCombo]", "*"}, {"[parServiceCombo]", "*"}},
         {{"PressureCode", R::Text}, {"Pressure", R::Number}, {"PressUnits", R::Text}}},
        {"qTransferBarrierService",
         {{"[parSizeCombo]", "-10G"}, {"[parPressureCombo]", "*"}},
         {{"ServiceCode", R::Text}, {"Service", R::Text}}},
        {"qTransferBarrierSize",
         {{"[parPressureCombo]", "3"}, {"[parServiceCombo]", "*"}},
         {{"CapCode", R::Text}, {"Cap", R::Number}, {"CapUnits", R::Text}}},
        {"qTransBarList",
         {{"[parPressureCombo]", "*"}, {"[parServiceCombo]", "*"}, {"[parSizeCombo]", "*"}},
         {{"Cap", R::Number},
          {"CapUnits", R::Text},
          {"Pressure", R::Number},
          {"PressUnits", R::Text},
          {"Service", R::Text},
          {"CapCode", R::Text},
          {"CapCodeLocation", R::Whole},
          {"PressureCode", R::Text},
          {"PressureLocation", R::Whole},
          {"ServiceCode", R::Text},
          {"ServiceLocation", R::Whole},
          {"Series", R::Text},
          {"SeriesLocation", R::Whole}}},
        {"qBladderPartNumber", {{"[parSeries]", "TB"}, {"[parPressure]", "3"}}, PartNumberFields()},
        // Accessories.
        {"qAccessAvailAccum", {}, {{"Accumulator", R::Text}, {"Description", R::Text}}},
        {"qAccessoryAccumSize",
         {{"[parAccumType]", "Piston"}},
         {{"Cap", R::Number},
          {"CapUnits", R::Text},
          {"CapCode", R::Text},
          {"NomBore", R::Text},
          {"BoreDisplay", R::Number},
          {"BoreUnits", R::Text}}},
        {"qAccessorySelect",
         {{"[parType]", "Piston"}, {"[parSizeCode]", "-150"}, {"[parBoreSize]", "-4"}},
         {{"AccessoryText", R::Text},
          {"Order", R::Whole},
          {"PartNumber", R::Text},
          {"Description", R::Text},
          {"Image", R::Text}}},
        // Repair kits: the kit types, the five filter lists and the list.
        {"qRepairKit", {}, {{"Kit Type", R::Text}}},
        {"qKitSizeCombo", RepairKitFilters(), {{"Size", R::Text}}},
        {"qKitSealCombo", RepairKitFilters(), {{"Seal", R::Text}}},
        {"qKitConstructionCombo", RepairKitFilters(), {{"Construction", R::Text}}},
        {"qKitServiceCombo", RepairKitFilters(), {{"Service", R::Text}}},
        {"qKitPortCombo", RepairKitFilters(), {{"Port", R::Text}}},
        {"qRepKitList", RepairKitFilters(), {{"RepairKit", R::Text}, {"PartNumber", R::Text}}},
        // Selection report.
        {"qSelRepLabels", {}, {{"MapKey", R::Text}, {"FieldLabel", R::Text}}},
        {"qGetSelectionReportLabels", {}, {{"MapKey", R::Text}, {"FieldLabel", R::Text}}},
        {"qPistDimensions",
         {{"[parOptions]", "-GM"},
          {"[parSeries]", "PA"},
          {"[parPressure]", "3"},
          {"[parBore]", "-4"},
          {"[parDesCode]", "1"},
          {"[parCapacity]", "-150"},
          {"[parPortTypeCode]", "-S"},
          {"[parPortSizeCode]", "16"},
          {"[parGasPortTypeCode]", "V"},
          {"[parGasPortSizeCode]", "04"}},
         Dimensions()},
        {"qBladderDimensions",
         {{"[parSeries]", "BA"},
          {"[parConstruction]", "S"},
          {"[parPressure]", "3"},
          {"[parCapacity]", "-5G"},
          {"[parPortType]", "S"}},
         Dimensions()},
        {"qDiaphragmDimensions", {{"[parSeries]", "DA"}, {"[parPressure]", "3"}, {"[parCapacity]", "-50"}}, Dimensions()},
        {"qGBDimensions", {{"[parSeries]", "GB"}, {"[parSize]", "-10G"}, {"[parGasPort]", "-S"}}, Dimensions()},
        {"qGBBodyDimensions",
         {{"[parSeries]", "PG"},
          {"[parPressure]", "3"},
          {"[parCapacity]", "-10G"},
          {"[parBore]", "-9"},
          {"[parGasPort]", "-S"},
          {"[parValvePort]", "1"}},
         Dimensions()},
        {"qOVDimensions", {{"[parSeries]", "OV"}, {"[parCapacity]", "-10"}, {"[parConstruction]", "-S"}}, Dimensions()},
        {"qTBDimensions", {{"[parSeries]", "TB"}, {"[parPressure]", "3"}, {"[parCapacity]", "-10G"}}, Dimensions()},
        {"qSelRepPicture",
         {{"[parSeries]", "PA"}, {"[parGasPort]", "V"}, {"[parConstruction]", "S"}, {"[parUserFlow]", "N"}},
         {{"Image", R::Text}}},
        {"qSeriesDescription", {{"[parSeries]", "PG"}}, {{"Description", R::Text}}},
    };
}
} // namespace

const std::vector<SContractQuery>& CatalogueContract()
{
    static const std::vector<SContractQuery> contract = []
    {
        std::vector<SContractQuery> queries = Build();
        for (SContractQuery& query : RapidSelection())
            queries.push_back(std::move(query));
        return queries;
    }();
    return contract;
}
