// Runs the command-line tool as a user would and captures what it prints.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

// Whether a printed text holds a part.
inline bool Contains(const std::string& strText, const std::string& strPart)
{
    return strText.find(strPart) != std::string::npos;
}

// Auxiliary power, 150 in3 in 5 s with a dwell of 20 s, 3000 to 2000 psi: an input that sizes.
inline const std::string kAuxPowerJson =
    R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})";

struct SCliRun
{
    int nStatus = -1;
    std::string strOut;
    std::string strErr;
};

// Arguments go through the shell; the tool is the built one unless TESMARA_CLI names another.
inline SCliRun RunCli(const std::string& strArgs, const std::string& strStdin = std::string())
{
    const char* pszCli = std::getenv("TESMARA_CLI");
    if (!pszCli)
        pszCli = TESMARA_BUILT_CLI;
    SCliRun run;
    const auto dir = std::filesystem::temp_directory_path();
    const std::string strId = std::to_string(::getpid()) + "_" + std::to_string(std::rand());
    const auto in = dir / ("tesmara_in_" + strId), out = dir / ("tesmara_out_" + strId),
               err = dir / ("tesmara_err_" + strId);
    std::ofstream(in) << strStdin;
    const std::string strCommand = std::string("'") + pszCli + "' " + strArgs + " <'" + in.string() + "' >'" +
                                   out.string() + "' 2>'" + err.string() + "'";
    const int nRaw = std::system(strCommand.c_str());
    run.nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    auto slurp = [](const std::filesystem::path& p) {
        std::ostringstream s;
        s << std::ifstream(p).rdbuf();
        return s.str();
    };
    run.strOut = slurp(out);
    run.strErr = slurp(err);
    std::filesystem::remove(in);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

// Refused with this status (2, a refusal of the input, unless told) and the part in the message.
inline ::testing::AssertionResult Refused(const SCliRun& run, const std::string& strPart = std::string(),
                                          int nStatus = 2)
{
    if (run.nStatus == nStatus && Contains(run.strErr, strPart))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "status " << run.nStatus << " (wanted " << nStatus << "), said:\n"
                                         << run.strErr << "\nwanted: " << strPart;
}
