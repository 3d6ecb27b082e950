// A file system that is full, for the tests of every writer: a small tmpfs mounted in a mount
// namespace of the test's own (no other process sees it, and it goes with the process), with
// the files a test wants there before it is filled to the last byte. Mounting needs root, as CI
// runs; elsewhere the test says it was skipped and why, never silently.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

class CFullDisk
{
public:
    // Mounts a fresh 512 KiB file system; Folder() is empty until it is mounted.
    CFullDisk()
    {
        static const bool bPrivate = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                                     ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        if (!bPrivate)
            return;
        const auto folder = std::filesystem::temp_directory_path() /
                            ("tesmara-full-" + std::to_string(::getpid()) + "-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=512k,mode=0755") == 0)
            m_folder = folder;
    }
    ~CFullDisk()
    {
        if (m_folder.empty())
            return;
        ::umount2(m_folder.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove(m_folder, ec);
    }
    CFullDisk(const CFullDisk&) = delete;
    CFullDisk& operator=(const CFullDisk&) = delete;

    const std::filesystem::path& Folder() const { return m_folder; }

    // Fills the file system up: no byte more fits.
    void Fill()
    {
        std::ofstream fill(m_folder / ".fill", std::ios::binary);
        const std::string strBlock(4096, 'x');
        while (fill.write(strBlock.data(), static_cast<std::streamsize>(strBlock.size())) && fill.flush())
        {
        }
        fill.clear();
        for (int n = 0; n < 4096 && fill.put('x') && fill.flush(); ++n)
        {
        }
    }

private:
    std::filesystem::path m_folder;
};

// Skips a test that cannot mount (not root), with the reason in the output; as root, a mount
// that fails is a failure.
#define TESMARA_REQUIRE_FULL_DISK(disk)                                                                               \
    do                                                                                                                 \
    {                                                                                                                  \
        if (::geteuid() != 0)                                                                                          \
            GTEST_SKIP() << "A full file system is mounted for this test, which needs root (CI runs as root).";        \
        ASSERT_FALSE((disk).Folder().empty()) << "No tmpfs could be mounted in a mount namespace of the test's own.";  \
    } while (false)

// The bytes of a file, to check that a failed write left it whole.
inline std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a folder, to check that a failed write left no temporary file behind.
inline std::vector<std::string> FolderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
