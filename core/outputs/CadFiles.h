// The drawing's files: DXF, HP-GL and SVG, each written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

class CCadDrawing;

enum class ECadFormat
{
    Dxf,
    Hpgl,
    Svg
};

// The format a file name asks for: ".dxf", ".plt" (".hpgl", ".hpg") or ".svg", in any case.
std::optional<ECadFormat> CadFormatForPath(const std::filesystem::path& path);
std::string CadFileBytes(const CCadDrawing& drawing, ECadFormat eFormat);

// Writes the bytes whole (see ReplaceFileContents: a failure leaves any existing file as it was,
// a link is written through, a read-only file refused). False with a message naming the file.
bool WriteFileWhole(const std::filesystem::path& path, const std::string& strBytes, std::string& strError);
