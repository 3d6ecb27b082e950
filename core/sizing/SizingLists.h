// The catalogue lists of the sizing dialogs: valve sizes, fluids, pipes and tubes, relief valves and
// variable pump response times.
#pragma once

#include <optional>
#include <string>
#include <vector>

class IDatabase;

namespace sizing
{
// One list entry: the text shown and the number it stands for (0 where the list has none).
struct SListItem
{
    std::string strText;
    double dNumber = 0.0;
};

// Each list in the order the catalogue's query returns it. A catalogue error throws CCatalogueError.
std::vector<SListItem> ValveSizes(IDatabase& db);                 // "qValveSize": size text, ActSize
std::vector<SListItem> FluidDensities(IDatabase& db);             // fluid name, density (lb/in3)
std::vector<SListItem> PipeNominalSizes(IDatabase& db);           // nominal size, no number
std::vector<SListItem> TubeSizes(IDatabase& db);                  // size, inside diameter (in)
std::vector<SListItem> PipeSchedules(IDatabase& db, const std::string& strNominalSize); // schedule, ID (in)
std::vector<SListItem> ReliefValves(IDatabase& db, double dFlowGpm); // valve, typical response (s)

// The typical compensator response time (s) of a variable volume pump of that flow; nullopt
// when the catalogue has none for it.
std::optional<double> TypicalResponseTime(IDatabase& db, double dFlowGpm);
} // namespace sizing
