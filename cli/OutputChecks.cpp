// Output files checked against the inputs and each other; SOURCE_DATE_EPOCH read strictly.
#include "OutputChecks.h"

#include "catalogue/Database.h"
#include "platform/ControlText.h"
#include "platform/FileReplace.h"
#include "platform/OutputStrings.h"
#include "platform/StringTable.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace
{
bool IsFileName(const std::string& strName)
{
    return !strName.empty() && strName != "-";
}

// Two names of one file, also of one that does not exist yet ("out.dxf" and "./out.dxf").
bool NameSameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ecA, ecB;
    return IsSameFile(a, b) || fs::weakly_canonical(fs::absolute(a), ecA) == fs::weakly_canonical(fs::absolute(b), ecB);
}
} // namespace

bool CheckOutputFiles(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs)
{
    for (std::size_t n = 0; n < outputs.size(); ++n)
    {
        if (!IsFileName(outputs[n]))
            continue;
        for (const std::string& strInput : inputs)
            if (IsFileName(strInput) && IsSameFile(strInput, outputs[n]))
            {
                std::cerr << TerminalText(FormatString(outtext::kOutputIsInput, {PathText(outputs[n])})) << '\n';
                return false;
            }
        for (std::size_t m = 0; m < n; ++m)
            if (IsFileName(outputs[m]) && NameSameFile(outputs[m], outputs[n]))
            {
                std::cerr << TerminalText(FormatString(outtext::kSameOutputTwice, {PathText(outputs[n])})) << '\n';
                return false;
            }
    }
    return true;
}

bool ReadSourceDateEpoch(std::optional<SLocalTime>& time)
{
    time.reset();
    const char* pszEpoch = std::getenv("SOURCE_DATE_EPOCH");
    if (pszEpoch == nullptr || *pszEpoch == '\0')
        return true;
    // 253402300799 is 9999-12-31 23:59:59 UTC: the last moment a report's date can show.
    const std::string strEpoch = pszEpoch;
    constexpr long long kLast = 253402300799LL;
    long long nEpoch = -1;
    if (strEpoch.size() <= 12 && strEpoch.find_first_not_of("0123456789") == std::string::npos)
        nEpoch = std::stoll(strEpoch);
    if (nEpoch < 0 || nEpoch > kLast)
    {
        std::cerr << TerminalText(FormatString(outtext::kBadSourceDateEpoch, {strEpoch})) << '\n';
        return false;
    }
    const std::time_t epoch = static_cast<std::time_t>(nEpoch);
    std::tm utc{};
    gmtime_r(&epoch, &utc);
    time = SLocalTime{utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec};
    return true;
}
