// The drawing's files: DXF, HP-GL and SVG, each written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

// One file of a drawing: where, and in which format.
struct SCadFile
{
    std::filesystem::path path;
    ECadFormat eFormat;
};
// Writes every file of the drawing or none (see CFileReplaceSet). False with a message naming
// the file that failed.
bool WriteCadFiles(const CCadDrawing& drawing, const std::vector<SCadFile>& files, std::string& strError);

// The first text of the drawing that the format's code page cannot hold (it shows as "?" in the
// file), or nothing. SVG holds every text.
std::optional<std::string> CadTextUnfitFor(const CCadDrawing& drawing, ECadFormat eFormat);
// The notice for such a text: told once per drawing, not once per text.
std::string CadTextUnfitNotice(const std::string& strText, ECadFormat eFormat);
