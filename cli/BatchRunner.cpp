// The batch runner: workers take lines from a shared reader and hand results to an in-order writer.
#include "BatchRunner.h"

#include "CliSession.h"
#include "JsonInput.h"
#include "SelectionJson.h"
#include "SizeRunner.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using nlohmann::json;

namespace
{
// Lines taken but not yet written, per worker: enough to keep every worker busy behind a slow
// line, few enough that memory does not grow with the input.
constexpr std::size_t kPendingPerJob = 64;

// One line without keeping more than kMaxJsonInput of it; false at the end of the input.
bool ReadLine(std::streambuf& in, std::string& strLine, bool& bTooLong)
{
    using Traits = std::char_traits<char>;
    strLine.clear();
    bTooLong = false;
    Traits::int_type c = in.sbumpc();
    if (Traits::eq_int_type(c, Traits::eof()))
        return false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = in.sbumpc())
    {
        if (strLine.size() < kMaxJsonInput)
            strLine.push_back(Traits::to_char_type(c));
        else
            bTooLong = true;
    }
    return true;
}

std::string SizeLine(CCliSession& session, const std::string& strLine, std::size_t nLine, bool bTooLong,
                     bool bStrict, std::atomic<bool>& bCatalogueFailed)
{
    JsonOut result = {{"line", nLine}};
    const std::string strSource = "Line " + std::to_string(nLine);
    try
    {
        if (bTooLong)
            throw std::runtime_error(strSource + " is larger than " + std::to_string(kMaxJsonInput / 1024) +
                                     " KiB, more than any selection input.");
        const json input = ParseJsonText(strLine, strSource);
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
            result["outcome"] = OutcomeToJson(run);
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

// The shared input and the in-order output of one batch.
class CBatchQueue
{
public:
    CBatchQueue(std::istream& in, const BatchSink& sink, std::size_t nMaxPending)
        : m_in(*in.rdbuf()), m_sink(sink), m_nMaxPending(nMaxPending)
    {
    }

    // The next line to size, numbered from 1; false once the input or the batch has ended.
    // Reading may wait for the input: it holds only the input's lock, never the results'.
    bool Take(std::size_t& nLine, std::string& strLine, bool& bTooLong)
    {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_room.wait(lock, [this] { return m_bEnded || m_nTaken - m_nWritten < m_nMaxPending; });
            if (m_bEnded)
                return false;
            ++m_nTaken;
        }
        std::lock_guard<std::mutex> input(m_inputMutex);
        if (m_bInputEnded || !ReadLine(m_in, strLine, bTooLong))
        {
            m_bInputEnded = true;
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bEnded = true;
            m_room.notify_all();
            return false;
        }
        nLine = ++m_nRead;
        return true;
    }

    // Writes the result, and every one after it that waited for it, once all before it are out.
    void Put(std::size_t nLine, std::string strResult)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done.emplace(nLine, std::move(strResult));
        for (auto it = m_done.begin(); it != m_done.end() && it->first == m_nWritten + 1; it = m_done.erase(it))
        {
            ++m_nWritten;
            if (!m_bOutputFailed && !m_sink(it->second))
            {
                m_bOutputFailed = m_bEnded = true;
            }
        }
        m_room.notify_all();
    }

    std::size_t Written() const { return m_nWritten; }
    bool OutputFailed() const { return m_bOutputFailed; }

private:
    std::mutex m_inputMutex; // the input, its line count and its end
    std::streambuf& m_in;
    std::size_t m_nRead = 0;
    bool m_bInputEnded = false;
    std::mutex m_mutex; // everything below
    std::condition_variable m_room;
    const BatchSink& m_sink;
    const std::size_t m_nMaxPending;
    std::size_t m_nTaken = 0; // lines being read or sized, and results waiting, with m_nWritten
    std::size_t m_nWritten = 0;
    bool m_bEnded = false;
    bool m_bOutputFailed = false;
    std::map<std::size_t, std::string> m_done;
};
} // namespace

unsigned BatchJobs(unsigned nRequested)
{
    const unsigned nCores = std::max(1u, std::thread::hardware_concurrency());
    return nRequested == 0 ? nCores : std::min(nRequested, nCores);
}

SBatchSummary RunBatch(std::istream& in, const BatchSink& sink, unsigned nJobs, bool bStrict,
                       const std::filesystem::path& catalogueFolder)
{
    nJobs = BatchJobs(nJobs);
    // Every connection is opened before the first line, so a catalogue that cannot be opened
    // ends the batch before any result.
    std::vector<std::unique_ptr<CCliSession>> sessions;
    for (unsigned n = 0; n < nJobs; ++n)
    {
        auto pSession = std::make_unique<CCliSession>();
        std::string strError;
        if (!pSession->Open(catalogueFolder, strError))
            throw std::runtime_error(strError);
        sessions.push_back(std::move(pSession));
    }

    CBatchQueue queue(in, sink, kPendingPerJob * nJobs);
    std::atomic<bool> bCatalogueFailed{false};
    auto worker = [&](CCliSession& session)
    {
        std::size_t nLine = 0;
        std::string strLine;
        bool bTooLong = false;
        while (queue.Take(nLine, strLine, bTooLong))
            queue.Put(nLine, SizeLine(session, strLine, nLine, bTooLong, bStrict, bCatalogueFailed));
    };
    std::vector<std::thread> threads;
    for (unsigned n = 1; n < nJobs; ++n)
        threads.emplace_back(worker, std::ref(*sessions[n]));
    worker(*sessions[0]);
    for (std::thread& thread : threads)
        thread.join();
    return {queue.Written(), bCatalogueFailed, queue.OutputFailed()};
}
