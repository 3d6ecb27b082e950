// The sizing dialogs' catalogue lists, each read from its stored query.
#include "sizing/SizingLists.h"

#include "catalogue/Catalogue.h"

namespace sizing
{
namespace
{
// Every row of an opened query: the text field, and the number field when one is named.
std::vector<SListItem> Read(IDatabase& db, IQueryDef& def, const char* pszText, const char* pszNumber)
{
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SListItem> items;
    for (; !rows.IsEOF(); rows.MoveNext())
        items.push_back({rows.GetString(pszText), pszNumber ? rows.GetDouble(pszNumber) : 0.0});
    return items;
}

std::vector<SListItem> ReadQuery(IDatabase& db, const char* pszQuery, const char* pszText, const char* pszNumber)
{
    IQueryDef def(db);
    def.Open(pszQuery);
    return Read(db, def, pszText, pszNumber);
}
} // namespace

std::vector<SListItem> ValveSizes(IDatabase& db)
{
    return ReadQuery(db, "qValveSize", "Value", "ActSize");
}

std::vector<SListItem> FluidDensities(IDatabase& db)
{
    return ReadQuery(db, "qGetFluidDensity", "FluidName", "FluidDensity");
}

std::vector<SListItem> PipeNominalSizes(IDatabase& db)
{
    return ReadQuery(db, "qGetNominalSizeID", "NominalSize", nullptr);
}

std::vector<SListItem> TubeSizes(IDatabase& db)
{
    return ReadQuery(db, "qGetTubeSizeID", "NominalSize", "ID");
}

std::vector<SListItem> PipeSchedules(IDatabase& db, const std::string& strNominalSize)
{
    IQueryDef def(db);
    def.Open("qGetPipeScheduleID");
    def.SetParamValue("[parNomText]", strNominalSize);
    return Read(db, def, "ScheduleNumber", "ID");
}

std::vector<SListItem> ReliefValves(IDatabase& db, double dFlowGpm)
{
    IQueryDef def(db);
    def.Open("qReliefValve");
    def.SetParamValue("[parFlowRate]", dFlowGpm);
    return Read(db, def, "ReliefValveSizeText", "ReliefValveResponseTime");
}

std::optional<double> TypicalResponseTime(IDatabase& db, double dFlowGpm)
{
    IQueryDef def(db);
    def.Open("qVarVolPu");
    def.SetParamValue("[parFlow]", dFlowGpm);
    IRecordset rows(db);
    rows.Open(def);
    if (rows.IsEOF())
        return std::nullopt;
    return rows.GetDouble("ResponseTime");
}
} // namespace sizing
