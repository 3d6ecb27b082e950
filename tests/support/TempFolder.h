// A folder of its own for a test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class CTempFolder
{
public:
    explicit CTempFolder(const std::string& strPrefix = "tesmara-test")
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 (strPrefix + "-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};
