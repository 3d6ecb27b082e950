// Writing a drawing's files: the format by extension, and a whole-or-nothing write.
#include "outputs/CadFiles.h"

#include "catalogue/Database.h"
#include "outputs/DxfWriter.h"
#include "outputs/HpglWriter.h"
#include "outputs/SvgWriter.h"
#include "platform/FileReplace.h"
#include "platform/StringTable.h"

namespace fs = std::filesystem;

namespace
{
constexpr int kStringNotWritten = 59266; // file, reason
} // namespace

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
    std::string strReason;
    if (ReplaceFileContents(path, strBytes, strReason))
        return true;
    strError = FormatString(kStringNotWritten, {PathText(path), strReason});
    return false;
}
