// The gas model against the nitrogen reference states, held to the deviations the accuracy page states.
#include "ReadBack.h"
#include "gas/NitrogenState.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <utility>

namespace
{
const std::string kDocs = TESMARA_DOCS_DIR;

// (t in deg C, p in bar) -> a number of each row.
using Rows = std::map<std::pair<int, int>, double>;

// The reference equation's specific volume (cu ft/lb) and the absolute temperature (K) of each state.
void ReadReference(Rows& volume, Rows& kelvin)
{
    std::ifstream in(kDocs + "/data/nitrogen-reference.csv");
    ASSERT_TRUE(in) << "the reference states are missing";
    std::string strLine;
    while (std::getline(in, strLine))
    {
        if (strLine.empty() || strLine[0] == '#' || strLine[0] == 't')
            continue;
        std::istringstream row(strLine);
        double t, p, T, rho, v, Z;
        char c;
        row >> t >> c >> p >> c >> T >> c >> rho >> c >> v >> c >> Z;
        volume[{int(t), int(p)}] = v;
        kelvin[{int(t), int(p)}] = T;
    }
}

// The signed deviation (%) the page states for each state of its table.
Rows StatedDeviations()
{
    const std::string strPage = FileText(kDocs + "/gas-model-accuracy.md");
    Rows stated;
    const std::regex row(R"(\| (-?\d+) \| (\d+) \| [\d.]+ \| [\d.]+ \| ([+-]\d+\.\d{3}) \|)");
    for (std::sregex_iterator it(strPage.begin(), strPage.end(), row), end; it != end; ++it)
        stated[{std::stoi((*it)[1]), std::stoi((*it)[2])}] = std::stod((*it)[3]);
    return stated;
}
} // namespace

TEST(GasModelAccuracy, ModelStaysWithinTheDeviationThePageStatesAtEveryReferenceState)
{
    Rows volume, kelvin;
    ReadReference(volume, kelvin);
    const Rows stated = StatedDeviations();
    ASSERT_EQ(volume.size(), 48u);
    ASSERT_EQ(stated.size(), volume.size()) << "the page's table does not list every reference state";
    for (const auto& [state, dReference] : volume)
    {
        // Kelvin to deg R, bar to psia (1 psi = 6894.757293168 Pa), then the model.
        const double dModel =
            gas::GasSpecificVolume(kelvin.at(state) * 1.8, state.second * 1e5 / 6894.757293168);
        const double dDeviation = (dModel / dReference - 1.0) * 100.0;
        // The page rounds to a thousandth of a per cent: a change of a constant moves it further.
        EXPECT_NEAR(dDeviation, stated.at(state), 0.0005 + 1e-9)
            << state.first << " deg C, " << state.second << " bar: run scripts/gas-model-accuracy after a "
            << "deliberate change of the model";
    }
}
