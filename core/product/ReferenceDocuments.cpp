// Naming and finding the reference documents.
#include "product/ReferenceDocuments.h"

#include <algorithm>
#include <cctype>

std::string ReferenceTopicFile(const std::string& strTopic)
{
    std::string strFile = strTopic;
    std::transform(strFile.begin(), strFile.end(), strFile.begin(), [](unsigned char c) { return std::toupper(c); });
    if (strFile.find(".PDF") == std::string::npos)
        strFile += ".PDF";
    return strFile;
}

std::filesystem::path FindReferenceDocument(const std::vector<std::filesystem::path>& folders,
                                            const std::string& strFile)
{
    for (const std::filesystem::path& folder : folders)
    {
        std::error_code error;
        const std::filesystem::path path = folder / strFile;
        if (std::filesystem::is_regular_file(path, error))
            return path;
    }
    return std::filesystem::path();
}
