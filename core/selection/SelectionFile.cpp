// Writing and reading the selection file, and the open command's checks.
#include "selection/SelectionFile.h"

#include "catalogue/Database.h"
#include "platform/Archive.h"
#include "platform/FileReplace.h"
#include "platform/StringTable.h"
#include "platform/Windows1252.h"
#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <typeinfo>

namespace
{
constexpr int kStringNotValidFile = 129;
constexpr int kStringLanguageNotInstalled = 209;
constexpr int kStringSwitchLanguage = 32818;
constexpr int kStringProductLine = 50023;
constexpr int kStringSelectionTitle = 50065;
constexpr int kStringApplicationName = 52111;
// Why a file is not a selection, or a selection is not saved.
constexpr int kStringUnfitText = 59150, kStringTooLargeToSave = 59151, kStringNotReopened = 59152,
              kStringEndsUnexpectedly = 59153, kStringNoSuchProduct = 59154, kStringHeadersDiffer = 59155,
              kStringMoreData = 59156, kStringNotSavedNoProduct = 59157, kStringNotSaved = 59158,
              kStringNotWritten = 59159, kStringNotOpenedBecause = 59160, kStringLargerThanAny = 59161,
              kStringNotRead = 59162, kStringNotOpened = 59163, kStringTheSelection = 59172;

// Header A.
constexpr std::size_t kLanguageCodeOffset = 0, kLanguageCodeSize = 3;
constexpr std::size_t kLanguageNameOffset = 3, kLanguageNameSize = 50;
constexpr std::size_t kProductLineOffset = 53, kProductLineSize = 51;
constexpr std::size_t kConstantThreeOffset = 104, kConstantZeroOffset = 108, kLanguageIdOffset = 112;
// Header B, counted from its own start.
constexpr std::size_t kProdIdOffset = 0;
constexpr std::size_t kProdTypeOffset = 4, kProdTypeSize = 50;
constexpr std::size_t kProdDescriptionOffset = 54, kProdDescriptionSize = 306;

// The text with each "%s" replaced by the next argument; arguments never act as formats.
std::string FormatText(const std::string& strFormat, std::initializer_list<std::string> args)
{
    std::string strOut;
    auto it = args.begin();
    for (std::size_t i = 0; i < strFormat.size(); ++i)
    {
        if (strFormat[i] == '%' && i + 1 < strFormat.size() && strFormat[i + 1] == 's' && it != args.end())
        {
            strOut += *it++;
            ++i;
        }
        else
            strOut += strFormat[i];
    }
    return strOut;
}

std::string Upper(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return str;
}

// A zero-terminated single-byte text in a field of nSize bytes; longer text is cut so the
// terminator always fits, and the rest of the field is zero.
void PutFixedText(std::uint8_t* pField, std::size_t nSize, const std::string& strUtf8)
{
    std::string strBytes = Utf8ToWindows1252(strUtf8);
    strBytes = strBytes.substr(0, std::min(strBytes.find('\0'), nSize - 1));
    std::memcpy(pField, strBytes.data(), strBytes.size());
}

// The text of a fixed field up to its first zero (the whole field when it has none).
std::string GetFixedText(const std::uint8_t* pField, std::size_t nSize)
{
    const auto* pEnd = std::find(pField, pField + nSize, std::uint8_t{0});
    return Windows1252ToUtf8(std::string(pField, pEnd));
}

void PutInt(std::uint8_t* pField, std::int32_t n)
{
    const auto u = static_cast<std::uint32_t>(n);
    for (int i = 0; i < 4; ++i)
        pField[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t GetInt(const std::uint8_t* pField)
{
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | pField[i];
    return static_cast<std::int32_t>(u);
}

std::string NotValidFile(const std::string& strSource, const std::string& strDetail)
{
    return FormatText(LoadString(kStringNotValidFile),
                      {strSource.empty() ? LoadString(kStringTheSelection) : strSource,
                       LoadString(kStringApplicationName)}) +
           " " + strDetail;
}

void StoreSelection(CArchive& ar, const SSelectionHeader& header, const CBaseProduct& selection)
{
    std::vector<std::uint8_t> headers(kHeaderASize + kHeaderBSize, 0);
    std::uint8_t* pA = headers.data();
    PutFixedText(pA + kLanguageCodeOffset, kLanguageCodeSize, header.strLanguageCode);
    PutFixedText(pA + kLanguageNameOffset, kLanguageNameSize, header.strLanguageName);
    PutFixedText(pA + kProductLineOffset, kProductLineSize, LoadString(kStringProductLine));
    PutInt(pA + kConstantThreeOffset, 3);
    PutInt(pA + kConstantZeroOffset, 0);
    PutInt(pA + kLanguageIdOffset, header.nLanguageNameId);
    std::uint8_t* pB = headers.data() + kHeaderASize;
    PutInt(pB + kProdIdOffset, header.nProdId);
    PutFixedText(pB + kProdTypeOffset, kProdTypeSize, header.strProdType);
    PutFixedText(pB + kProdDescriptionOffset, kProdDescriptionSize, header.strProdDescription);

    ar.WriteBytes(headers.data(), headers.size());
    ar.WriteInt32(header.nProdId);
    ar.WriteByte(0); // modified: saving clears it first
    ar.WriteByte(header.bPartNumberAvailable ? 1 : 0);
    ar.WriteByte(header.bSelectionComplete ? 1 : 0);
    ar.WriteInt32(3);
    // Storing only reads the object; Serialize is one member for both directions.
    const_cast<CBaseProduct&>(selection).Serialize(ar);
}

// Why the stored selection must not be written, if it must not: text the file cannot hold
// would read back changed, and a file the reader refuses would be lost to its user.
std::optional<std::string> UnsavableReason(const CArchive& ar)
{
    if (const auto& text = ar.FirstUnfitText())
    {
        constexpr std::size_t kShown = 60;
        std::string strShown = text->size() > kShown ? text->substr(0, kShown) + "..." : *text;
        return FormatString(kStringUnfitText, {Windows1252ToUtf8(Utf8ToWindows1252(strShown))});
    }
    if (ar.Bytes().size() > kMaxSelectionFileSize)
        return FormatString(kStringTooLargeToSave, {std::to_string(kMaxSelectionFileSize / 1024 / 1024)});
    std::string strError;
    if (!ReadSelectionBytes(ar.Bytes(), strError))
        return FormatString(kStringNotReopened, {strError});
    return std::nullopt;
}
} // namespace

std::unique_ptr<CBaseProduct> CreateSelectionObject(int nProdId)
{
    switch (nProdId)
    {
    case 0: // accumulators chosen by application
    case 1: // gas bottles
        return std::make_unique<CAccumulatorData>();
    case 2:
        return std::make_unique<COvrisolBase>();
    case 3:
        return std::make_unique<CAccessoryBase>();
    case 4:
        return std::make_unique<CRepairKitBase>();
    case 5:
        return std::make_unique<CTransferBase>();
    default:
        return nullptr;
    }
}

std::vector<std::uint8_t> WriteSelectionBytes(const SSelectionHeader& header, const CBaseProduct& selection)
{
    CArchive ar;
    StoreSelection(ar, header, selection);
    return ar.Bytes();
}

std::optional<SLoadedSelection> ReadSelectionBytes(const std::vector<std::uint8_t>& bytes,
                                                   std::string& strError, const std::string& strSourceName)
{
    strError.clear();
    if (bytes.size() < kHeaderASize + kHeaderBSize)
    {
        strError = NotValidFile(strSourceName, LoadString(kStringEndsUnexpectedly));
        return std::nullopt;
    }

    SLoadedSelection loaded;
    SSelectionHeader& header = loaded.header;
    const std::uint8_t* pA = bytes.data();
    header.strLanguageCode = GetFixedText(pA + kLanguageCodeOffset, kLanguageCodeSize);
    header.strLanguageName = GetFixedText(pA + kLanguageNameOffset, kLanguageNameSize);
    header.strProductLine = GetFixedText(pA + kProductLineOffset, kProductLineSize);
    header.nLanguageNameId = GetInt(pA + kLanguageIdOffset);
    const std::uint8_t* pB = bytes.data() + kHeaderASize;
    header.nProdId = GetInt(pB + kProdIdOffset);
    header.strProdType = GetFixedText(pB + kProdTypeOffset, kProdTypeSize);
    header.strProdDescription = GetFixedText(pB + kProdDescriptionOffset, kProdDescriptionSize);

    loaded.pSelection = CreateSelectionObject(header.nProdId);
    if (!loaded.pSelection)
    {
        strError =
            NotValidFile(strSourceName, FormatString(kStringNoSuchProduct, {std::to_string(header.nProdId)}));
        return std::nullopt;
    }

    try
    {
        CArchive ar(std::vector<std::uint8_t>(bytes.begin() + kHeaderASize + kHeaderBSize, bytes.end()));
        if (ar.ReadInt32() != header.nProdId)
        {
            // The class was chosen by header B; a product block naming another product
            // would leave the product object working on an object of the wrong class.
            strError = NotValidFile(strSourceName, LoadString(kStringHeadersDiffer));
            return std::nullopt;
        }
        ar.ReadByte(); // modified flag: a loaded selection is unmodified
        header.bPartNumberAvailable = ar.ReadByte() != 0;
        header.bSelectionComplete = ar.ReadByte() != 0;
        ar.ReadInt32(); // the constant 3
        loaded.pSelection->Serialize(ar);
        if (ar.Remaining() != 0)
        {
            strError = NotValidFile(strSourceName, LoadString(kStringMoreData));
            return std::nullopt;
        }
    }
    catch (const CArchiveError& error)
    {
        strError = NotValidFile(strSourceName, error.what());
        return std::nullopt;
    }
    return loaded;
}

bool SaveSelectionFile(const std::filesystem::path& path, const SSelectionHeader& header,
                       const CBaseProduct& selection, std::string& strError)
{
    strError.clear();
    const std::string strPath = PathText(path);
    // A file that this version could not open again is not written at all.
    const std::unique_ptr<CBaseProduct> pProbe = CreateSelectionObject(header.nProdId);
    if (!pProbe || typeid(*pProbe) != typeid(selection))
    {
        strError = FormatString(kStringNotSavedNoProduct, {strPath});
        return false;
    }
    CArchive ar;
    StoreSelection(ar, header, selection);
    if (const auto reason = UnsavableReason(ar))
    {
        strError = FormatString(kStringNotSaved, {strPath, *reason});
        return false;
    }
    std::string strReason;
    if (!ReplaceFileContents(path, ar.Bytes(), strReason))
    {
        strError = FormatString(kStringNotWritten, {strPath, strReason});
        return false;
    }
    return true;
}

std::optional<SLoadedSelection> LoadSelectionFile(const std::filesystem::path& path, std::string& strError)
{
    strError.clear();
    const std::string strPath = PathText(path);
    std::error_code ec;
    const std::uintmax_t nSize = std::filesystem::file_size(path, ec);
    if (ec)
    {
        strError = FormatString(kStringNotOpenedBecause, {strPath, ec.message()});
        return std::nullopt;
    }
    if (nSize > kMaxSelectionFileSize)
    {
        strError = NotValidFile(strPath, LoadString(kStringLargerThanAny));
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(nSize));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())) ||
        in.peek() != std::char_traits<char>::eof())
    {
        strError = FormatString(kStringNotRead, {strPath});
        return std::nullopt;
    }
    return ReadSelectionBytes(bytes, strError, strPath);
}

std::string SelectionFileTitle(const std::filesystem::path& path)
{
    return PathText(path.stem()) + LoadString(kStringSelectionTitle);
}

SOpenCheck CheckSelectionFileForOpen(const std::filesystem::path& path,
                                     const std::string& strActiveLanguageCode,
                                     const std::vector<SInstalledLanguage>& languages)
{
    SOpenCheck check;
    const std::string strPath = PathText(path);
    const std::string strExtension = kSelectionFileExtension;
    if (strPath.size() < strExtension.size() ||
        strPath.compare(strPath.size() - strExtension.size(), strExtension.size(), strExtension) != 0)
    {
        check.eOutcome = EOpenCheck::WrongExtension;
        check.strMessage =
            FormatText(LoadString(kStringNotValidFile), {strPath, LoadString(kStringApplicationName)});
        return check;
    }

    // Only a regular file: reading a pipe or a device would wait for ever or never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
    {
        check.eOutcome = EOpenCheck::Unreadable;
        check.strMessage = FormatString(kStringNotOpened, {strPath});
        return check;
    }
    std::uint8_t headerA[kHeaderASize] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.read(reinterpret_cast<char*>(headerA), sizeof headerA))
    {
        check.eOutcome = EOpenCheck::Unreadable;
        check.strMessage = in.is_open() ? NotValidFile(strPath, LoadString(kStringEndsUnexpectedly))
                                        : FormatString(kStringNotOpened, {strPath});
        return check;
    }

    const std::string strCode = Upper(GetFixedText(headerA + kLanguageCodeOffset, kLanguageCodeSize));
    if (strCode == Upper(strActiveLanguageCode))
    {
        check.eOutcome = EOpenCheck::Open;
        return check;
    }
    for (std::size_t i = 0; i < languages.size(); ++i)
    {
        if (Upper(languages[i].strCode) == strCode)
        {
            check.eOutcome = EOpenCheck::SwitchLanguage;
            check.nLanguageIndex = static_cast<int>(i);
            check.strMessage =
                FormatText(LoadString(kStringSwitchLanguage), {LoadString(languages[i].nNameId)});
            return check;
        }
    }
    // The name comes from this program's own table; an id it does not know shows the code.
    std::string strName = LoadString(GetInt(headerA + kLanguageIdOffset));
    if (strName.empty())
        strName = strCode;
    check.eOutcome = EOpenCheck::LanguageNotInstalled;
    check.strMessage = FormatText(LoadString(kStringLanguageNotInstalled), {strName});
    return check;
}
