// The prompt seam: each thread shows through its own prompt.
#include "RecordingPrompt.h"

#include <gtest/gtest.h>

#include <barrier>
#include <thread>

TEST(Prompt, EachThreadShowsThroughItsOwnPrompt)
{
    // Both threads install a prompt before either shows anything, as two batch workers do
    // when they open their catalogues at once.
    std::barrier bothInstalled(2);
    CRecordingPrompt first, second;
    auto worker = [&](CRecordingPrompt& prompt, const char* pszText) {
        CScopedPrompt scope(prompt);
        bothInstalled.arrive_and_wait();
        GetPrompt().Message(pszText);
        bothInstalled.arrive_and_wait(); // neither scope ends before both have shown
    };
    std::thread a(worker, std::ref(first), "from the first");
    std::thread b(worker, std::ref(second), "from the second");
    a.join();
    b.join();
    EXPECT_EQ(first.Texts(), std::vector<std::string>{"from the first"});
    EXPECT_EQ(second.Texts(), std::vector<std::string>{"from the second"});
}
