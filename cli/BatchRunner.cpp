// The batch runner: a shared line counter, one session per worker thread.
#include "BatchRunner.h"

#include "JsonInput.h"
#include "SelectionJson.h"
#include "SizeRunner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

using nlohmann::json;

namespace
{
std::string SizeLine(CCliSession& session, const std::string& strLine, std::size_t nLine, bool bStrict,
                     std::atomic<bool>& bCatalogueFailed)
{
    JsonOut result = {{"line", nLine}};
    try
    {
        const json input = ParseJsonText(strLine, "Line " + std::to_string(nLine));
        const SSizeRun run = SizeFromJson(session, input, bStrict);
        if (!run.strNotice.empty())
            result["notice"] = run.strNotice;
        if (run.refusal)
        {
            result["error"] = *run.refusal;
            result["field"] = run.strField;
        }
        else
        {
            result["outcome"] = OutcomeToJson(run.outcome);
            result["application"] = ApplicationToJson(run.data);
        }
    }
    catch (const CCatalogueError& e)
    {
        result["error"] = CatalogueFailureText(e, session);
        result["field"] = "";
        bCatalogueFailed = true;
    }
    catch (const std::exception& e)
    {
        result["error"] = e.what();
        result["field"] = "";
    }
    return JsonText(result);
}
} // namespace

SBatchResults RunBatch(const std::vector<std::string>& lines, unsigned nJobs, bool bStrict,
                       const std::filesystem::path& catalogueFolder)
{
    if (nJobs == 0)
        nJobs = std::max(1u, std::thread::hardware_concurrency());
    nJobs = static_cast<unsigned>(std::min<std::size_t>(nJobs, std::max<std::size_t>(lines.size(), 1)));

    std::vector<std::string> results(lines.size());
    std::atomic<bool> bCatalogueFailed{false};
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::string strFailure;
    auto worker = [&] {
        CCliSession session;
        std::string strError;
        if (!session.Open(catalogueFolder, strError))
        {
            std::lock_guard<std::mutex> lock(failureMutex);
            strFailure = strError;
            return;
        }
        for (std::size_t i = next++; i < lines.size(); i = next++)
            results[i] = SizeLine(session, lines[i], i + 1, bStrict, bCatalogueFailed);
    };
    std::vector<std::thread> threads;
    for (unsigned n = 1; n < nJobs; ++n)
        threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads)
        thread.join();
    if (!strFailure.empty())
        throw std::runtime_error(strFailure);
    return {std::move(results), bCatalogueFailed};
}
