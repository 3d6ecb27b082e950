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

// Writes the bytes through a temporary file in the same folder that then replaces the file,
// so that a failure leaves any existing file as it was. False with the reason.
bool WriteFileWhole(const std::filesystem::path& path, const std::string& strBytes, std::string& strError);
