// tesmara batch under several workers: every line answered, in order, whatever the lines hold.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using nlohmann::json;

namespace
{
// A pressure in seconds: what used to make a worker show a notice through the prompt.
const std::string kWrongUnit = std::string(kAuxPowerJson).replace(kAuxPowerJson.rfind("PSIG"), 4, "SEC");

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
        strInput += (i % 3 == 0 ? kAuxPowerJson : i % 3 == 1 ? kWrongUnit : std::string("{\"deSelectApp\":")) + "\n";
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
            if (i % 3 == 0)
            {
                EXPECT_EQ(results[i]["application"], results[0]["application"]) << "line " << i + 1;
            }
        }
        if (nRun == 0)
            first = results;
        else
            EXPECT_EQ(results, first) << "run " << nRun; // the same answers whatever the interleaving
    }
}

namespace
{
std::string CliPath()
{
    const char* pszCli = std::getenv("TESMARA_CLI");
    return pszCli ? pszCli : TESMARA_BUILT_CLI;
}

// The next line the descriptor gives, waiting for it no longer than a generous bound (a
// liveness guard, not a speed check); empty when none came.
std::string ReadLineWithin(int nFd, std::chrono::seconds bound)
{
    const auto end = std::chrono::steady_clock::now() + bound;
    std::string strLine;
    for (char ch = 0; std::chrono::steady_clock::now() < end;)
    {
        pollfd fd{nFd, POLLIN, 0};
        if (::poll(&fd, 1, 1000) <= 0)
            continue;
        if (::read(nFd, &ch, 1) != 1)
            break;
        if (ch == '\n')
            return strLine;
        strLine += ch;
    }
    return std::string();
}
} // namespace

TEST(BatchCommand, EachResultComesOutWhileLaterLinesAreStillToCome)
{
    int toCli[2], fromCli[2];
    ASSERT_EQ(::pipe(toCli), 0);
    ASSERT_EQ(::pipe(fromCli), 0);
    const std::string strCli = CliPath();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
    {
        ::dup2(toCli[0], 0);
        ::dup2(fromCli[1], 1);
        for (int nFd : {toCli[0], toCli[1], fromCli[0], fromCli[1]})
            ::close(nFd);
        ::execl(strCli.c_str(), strCli.c_str(), "batch", "--jobs", "2", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toCli[0]);
    ::close(fromCli[1]);
    const std::string strLine = kAuxPowerJson + "\n";
    ASSERT_EQ(::write(toCli[1], strLine.data(), strLine.size()), static_cast<ssize_t>(strLine.size()));

    // Standard input is still open: the first result must not wait for the end of the input.
    const std::string strFirst = ReadLineWithin(fromCli[0], std::chrono::seconds(120));
    ::close(toCli[1]);
    const std::string strRest = ReadLineWithin(fromCli[0], std::chrono::seconds(5));
    ::close(fromCli[0]);
    int nStatus = 0;
    ::waitpid(pid, &nStatus, 0);
    ASSERT_FALSE(strFirst.empty()) << "no result before the input ended";
    const json first = json::parse(strFirst);
    EXPECT_EQ(first["line"], 1);
    EXPECT_TRUE(first.contains("outcome")) << strFirst;
    EXPECT_TRUE(strRest.empty());
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0);
}

TEST(BatchCommand, ManyLongLinesAndManyJobsKeepMemoryFlat)
{
    // 5,000 lines of 20 KB with a thousand jobs asked for, in two gigabytes of address space:
    // the jobs are capped at the cores, and the lines are not all held (they would take 100 MB).
    const auto script = std::filesystem::temp_directory_path() / ("tesmara_batch_" + std::to_string(::getpid()));
    std::ofstream(script) << "ulimit -v 2000000\n"
                             "pad=$(printf '%20000s' '')\n"
                             "yes \"{\\\"deSelectApp\\\":3,\\\"sdMaxSysPress\\\":{\\\"value\\\":-1}}$pad\" | "
                             "head -n 5000 | '"
                          << CliPath() << "' batch --jobs 1000 | tail -n 1\n";
    FILE* pOut = ::popen(("sh '" + script.string() + "'").c_str(), "r");
    ASSERT_NE(pOut, nullptr);
    std::string strLast;
    for (int ch = 0; (ch = std::fgetc(pOut)) != EOF;)
        strLast += static_cast<char>(ch);
    const int nStatus = ::pclose(pOut);
    std::filesystem::remove(script);
    EXPECT_TRUE(WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0) << nStatus;
    ASSERT_FALSE(strLast.empty());
    const json last = json::parse(strLast);
    EXPECT_EQ(last["line"], 5000);
    EXPECT_TRUE(last.contains("error")) << strLast;

    // The largest of the pipeline's processes.
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "KiB";
}

TEST(BatchCommand, ALineLargerThanAnyInputIsAnsweredAndTheNextOneToo)
{
    const SCliRun run = RunCli("batch --jobs 2", std::string(1100 * 1024, ' ') + "{}\n" + kAuxPowerJson + "\n");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    const std::vector<json> results = ResultLines(run.strOut);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0]["error"], "Line 1 is larger than 1024 KiB, more than any selection input.");
    EXPECT_TRUE(results[1].contains("outcome")) << results[1].dump();
}
