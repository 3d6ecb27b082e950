// Product pictures kept in the catalogue as the bytes of JPEG files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IDatabase;

class CLoadJpeg
{
public:
    // The bytes of the named picture ("qGetImage", field Image of the last row); nothing when the
    // catalogue has no row for the name or the value is not a non-empty blob.
    // A catalogue error throws CCatalogueError.
    static std::optional<std::vector<std::uint8_t>> Load(const std::string& strImageName,
                                                         IDatabase& database);
};
