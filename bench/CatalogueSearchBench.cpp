// Model search and details fill against the built catalogue, as the dialogs run them.
#include "catalogue/Catalogue.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
using Params = std::vector<std::pair<std::string, CDbValue>>;

IDatabase& Catalogue()
{
    static IDatabase db;
    if (!db.IsOpen())
        db.Open(TESMARA_BUILT_CATALOGUE_DIR, kCatalogueBaseName, "US");
    return db;
}

int Run(const std::string& strQuery, const Params& params)
{
    IQueryDef def(Catalogue());
    def.Open(strQuery);
    for (const auto& [strName, value] : params)
        def.SetParamValue(strName, value);
    IRecordset rows(Catalogue());
    rows.Open(def);
    int nRows = 0;
    for (; !rows.IsEOF(); rows.MoveNext())
        nRows += static_cast<int>(rows.GetString(0).size() > 0);
    return nRows;
}

// 2500 psig, 40 gallons of gas for a 600 in3 actuator at 30 gpm: every one of the
// seven model queries runs (the special bladder one too, above 3000 psig it would),
// then the high-flow check of the first row.
void BM_ModelSearchAllSeven(benchmark::State& state)
{
    const Params search = {{"[parPressure]", 2500.0 * 6894.757 + 101314.224},
                           {"[parCapacity]", 40.0 * 0.003785413},
                           {"[parFluidVolume]", 600.0 * 1.638706e-05},
                           {"[parFlowRate]", 30.0 * 0.003785412}};
    for (auto _ : state)
    {
        int nRows = 0;
        for (const char* pszQuery : {"qModelPiston", "qModelMetricPiston", "qModelBladder", "qModelPistonGB",
                                     "qModelMetricPistonGB", "qModelDiaphragm", "qModelApp22Bladder"})
            nRows += Run(pszQuery, search);
        nRows += Run("qHighFlowCheck", {{"[parFlowRate]", 30.0 * 0.003785412},
                                        {"[parAccumType]", "Piston"},
                                        {"[parCapacity]", "-10G"},
                                        {"[parPressure]", "3"},
                                        {"[parQty]", std::int16_t{1}}});
        benchmark::DoNotOptimize(nRows);
    }
}
BENCHMARK(BM_ModelSearchAllSeven)->Unit(benchmark::kMicrosecond);

// Everything the piston details step reads on opening.
void BM_PistonDetailsFill(benchmark::State& state)
{
    const Params type = {{"[parAccumType]", "Piston"}};
    const Params bore = {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}};
    for (auto _ : state)
    {
        int nRows = Run("qDetailSeal", type);
        nRows += Run("qDetailPistonPort", {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"},
                                           {"[parCapacity]", "-150"}, {"[parPressure]", "3"},
                                           {"[parDesignNumber]", "1"}});
        nRows += Run("qDetailPistonConstr", bore);
        nRows += Run("qDetailPistonApproval",
                     {{"[parAccumType]", "Piston"}, {"[parConstruction]", "Carbon Steel"}, {"[parBoreSize]", "-4"}});
        nRows += Run("qDetailPistonOption", {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"}});
        for (const char* pszType : {"qDetailPistonPortType", "qDetailPistonGasPortType"})
            nRows += Run(pszType, {{"[parAccumType]", "Piston"}, {"[parPortCode]", "1"}, {"[parBoreSize]", "-4"},
                                   {"[parPressure]", "3"}});
        for (const auto& [pszSize, pszCode] :
             {std::pair{"qDetailPistonPortSize", "-S"}, std::pair{"qDetailPistonGasPortSize", "V"}})
            nRows += Run(pszSize, {{"[parAccumType]", "Piston"}, {"[parBoreSize]", "-4"}, {"[parPressure]", "3"},
                                   {"[parTypeCode]", pszCode}});
        nRows += Run("qDetailPistonStdPort", {{"[ParSeries]", "PA"}, {"[ParBoreSize]", "-4"},
                                              {"[parDesignNumber]", "1"}, {"[parPressureCode]", "3"},
                                              {"[parPressure]", 3000.0 * 6894.757 + 101314.224}});
        nRows += Run("qPistonPartNumber", {{"[parAccumType]", "Piston"}, {"[parGasBottle]", std::int16_t{0}},
                                           {"[parBore]", "-4"}, {"[parDesNumber]", "1"}, {"[parPressure]", "3"}});
        benchmark::DoNotOptimize(nRows);
    }
}
BENCHMARK(BM_PistonDetailsFill)->Unit(benchmark::kMicrosecond);
} // namespace
