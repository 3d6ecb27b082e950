// Writing a drawing's files: the format by extension, and a whole-or-nothing write.
#include "outputs/CadFiles.h"

#include "catalogue/Database.h"
#include "outputs/DxfWriter.h"
#include "outputs/HpglWriter.h"
#include "outputs/SvgWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace fs = std::filesystem;

std::optional<ECadFormat> CadFormatForPath(const fs::path& path)
{
    std::string strExtension = path.extension().string();
    for (char& c : strExtension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (strExtension == ".dxf")
        return ECadFormat::Dxf;
    if (strExtension == ".plt" || strExtension == ".hpgl" || strExtension == ".hpg")
        return ECadFormat::Hpgl;
    if (strExtension == ".svg")
        return ECadFormat::Svg;
    return std::nullopt;
}

std::string CadFileBytes(const CCadDrawing& drawing, ECadFormat eFormat)
{
    switch (eFormat)
    {
    case ECadFormat::Dxf:
        return WriteDxf(drawing);
    case ECadFormat::Hpgl:
        return WriteHpgl(drawing);
    case ECadFormat::Svg:
        break;
    }
    return WriteSvg(drawing);
}

bool WriteFileWhole(const fs::path& path, const std::string& strBytes, std::string& strError)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const fs::path temporary =
        folder / ("." + path.filename().string() + ".writing-" + std::to_string(std::random_device()()));
    std::FILE* pFile = std::fopen(temporary.c_str(), "wbx");
    bool bWritten = pFile != nullptr;
    int nErrno = errno;
    if (bWritten)
    {
        bWritten = std::fwrite(strBytes.data(), 1, strBytes.size(), pFile) == strBytes.size() && std::fflush(pFile) == 0;
        nErrno = errno;
        bWritten = std::fclose(pFile) == 0 && bWritten;
    }
    std::error_code ec;
    if (bWritten)
    {
        fs::rename(temporary, path, ec);
        if (ec)
            bWritten = false, nErrno = ec.value();
    }
    if (!bWritten)
    {
        fs::remove(temporary, ec);
        strError = PathText(path) + " could not be written. " + std::strerror(nErrno) + ".";
    }
    return bWritten;
}
