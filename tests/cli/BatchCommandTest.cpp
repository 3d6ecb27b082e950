// tesmara batch under several workers: every line answered, in order, whatever the lines hold.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <vector>

using nlohmann::json;

namespace
{
const std::string kSized =
    R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})";
// A pressure in seconds: what used to make a worker show a notice through the prompt.
const std::string kWrongUnit =
    R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"SEC"}})";

std::vector<json> ResultLines(const std::string& strOut)
{
    std::vector<json> results;
    std::istringstream lines(strOut);
    for (std::string strLine; std::getline(lines, strLine);)
        results.push_back(json::parse(strLine));
    return results;
}
} // namespace

TEST(BatchCommand, ManyWorkersManyTimesAnswerEveryLineInOrder)
{
    std::string strInput;
    constexpr int kLines = 60;
    for (int i = 0; i < kLines; ++i)
        strInput += (i % 3 == 0 ? kSized : i % 3 == 1 ? kWrongUnit : std::string("{\"deSelectApp\":")) + "\n";
    std::vector<json> first;
    for (int nRun = 0; nRun < 12; ++nRun)
    {
        const SCliRun run = RunCli("batch --jobs " + std::to_string(2 + nRun % 3), strInput);
        ASSERT_EQ(run.nStatus, 0) << "run " << nRun << "\n" << run.strErr;
        const std::vector<json> results = ResultLines(run.strOut);
        ASSERT_EQ(results.size(), static_cast<std::size_t>(kLines)) << "run " << nRun;
        for (int i = 0; i < kLines; ++i)
        {
            EXPECT_EQ(results[i]["line"], i + 1);
            EXPECT_EQ(results[i].contains("outcome"), i % 3 == 0) << results[i].dump();
        }
        if (nRun == 0)
            first = results;
        else
            EXPECT_EQ(results, first) << "run " << nRun; // the same answers whatever the interleaving
    }
}
