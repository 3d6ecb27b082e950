// What the libFuzzer targets share: a prompt that keeps quiet, and the seed corpus hook.
#pragma once

#include "platform/Prompt.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// Fuzzed input makes the program show notices and ask questions; nobody is there to answer.
class CSilentPrompt : public IPrompt
{
public:
    void Message(const std::string&) override {}
    EPromptAnswer YesNo(const std::string&) override { return EPromptAnswer::Yes; }
    EPromptAnswer YesNoCancel(const std::string&) override { return EPromptAnswer::Yes; }
};

// Installs the quiet prompt on the fuzzing thread, once.
inline void KeepQuiet()
{
    static CSilentPrompt prompt;
    static const bool bInstalled = (SetPrompt(&prompt), true);
    (void)bInstalled;
}

// With TESMARA_FUZZ_SEEDS set to a folder, lets writeSeeds fill it and ends the program.
template <class TWriteSeeds> void WriteSeedsIfAsked(TWriteSeeds writeSeeds)
{
    if (const char* pszFolder = std::getenv("TESMARA_FUZZ_SEEDS"))
    {
        writeSeeds(std::filesystem::path(pszFolder));
        std::exit(0);
    }
}

inline void WriteSeed(const std::filesystem::path& path, const void* pData, std::size_t nSize)
{
    std::ofstream(path, std::ios::binary).write(static_cast<const char*>(pData), static_cast<std::streamsize>(nSize));
}
