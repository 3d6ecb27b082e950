// Writing a drawing's files whole, all or none, and what their code pages cannot hold.
#include "outputs/CadFiles.h"

#include "catalogue/Database.h"
#include "outputs/CadDrawing.h"
#include "outputs/DxfWriter.h"
#include "outputs/HpglWriter.h"
#include "outputs/SvgWriter.h"
#include "platform/ControlText.h"
#include "platform/FileReplace.h"
#include "platform/OutputStrings.h"
#include "platform/StringTable.h"
#include "platform/Windows1252.h"

#include <algorithm>

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
    std::string strReason;
    if (ReplaceFileContents(path, strBytes, strReason))
        return true;
    strError = FormatString(outtext::kNotWritten, {PathText(path), strReason});
    return false;
}

bool WriteCadFiles(const CCadDrawing& drawing, const std::vector<SCadFile>& files, std::string& strError)
{
    CFileReplaceSet set;
    std::string strReason;
    for (const SCadFile& file : files)
        if (!set.Stage(file.path, CadFileBytes(drawing, file.eFormat), strReason))
            return strError = FormatString(outtext::kNotWritten, {PathText(file.path), strReason}), false;
    if (!set.Commit(strReason))
        return strError = FormatString(outtext::kNotWritten, {PathText(files.front().path), strReason}), false;
    return true;
}

std::optional<std::string> CadTextUnfitFor(const CCadDrawing& drawing, ECadFormat eFormat)
{
    if (eFormat == ECadFormat::Svg)
        return std::nullopt;
    // The signs each writer spells in a form of its own: "%%c" and "%%d" in DXF, words in HP-GL.
    std::vector<std::string> spelt = {"\xC3\x98", "\xC2\xB0"};
    if (eFormat == ECadFormat::Hpgl)
        spelt.push_back("\xC2\xB3");
    for (const SCadText& text : drawing.m_texts)
    {
        std::string strText = OneLineText(text.strText);
        for (const std::string& strSign : spelt)
            for (std::size_t n = strText.find(strSign); n != std::string::npos; n = strText.find(strSign))
                strText.erase(n, strSign.size());
        const bool bFits = eFormat == ECadFormat::Dxf
                               ? FitsWindows1252(strText)
                               : std::all_of(strText.begin(), strText.end(),
                                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!bFits)
            return text.strText;
    }
    return std::nullopt;
}

std::string CadTextUnfitNotice(const std::string& strText, ECadFormat eFormat)
{
    return FormatString(eFormat == ECadFormat::Dxf ? outtext::kCadTextUnfitDxf : outtext::kCadTextUnfitHpgl,
                        {OneLineText(strText)});
}
