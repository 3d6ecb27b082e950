// The selection file (*.Ac3): two fixed headers, the product block and the selection object.
#pragma once

#include "selection/BaseProduct.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the two headers and the product block say about a selection.
struct SSelectionHeader
{
    std::string strLanguageCode; // two letters, e.g. "US"
    std::string strLanguageName; // display name of that language, e.g. "U.S. English"
    int nLanguageNameId = 500;   // its string id, 500 to 506
    std::string strProductLine;  // string 50023 when saved; as read when loaded
    int nProdId = 0;             // 0 accumulator by application ... 5 transfer barrier
    std::string strProdType;     // the product type text of "Choose Product"
    std::string strProdDescription;
    bool bPartNumberAvailable = false; // the product object's two status flags
    bool bSelectionComplete = false;

    bool operator==(const SSelectionHeader&) const = default;
};

struct SLoadedSelection
{
    SSelectionHeader header;
    std::unique_ptr<CBaseProduct> pSelection; // of the class for header.nProdId; no owner set
};

inline constexpr const char* kSelectionFileExtension = "Ac3";
inline constexpr std::size_t kHeaderASize = 368;
inline constexpr std::size_t kHeaderBSize = 360;
// Far beyond any real selection; larger files are refused before they are read into memory.
inline constexpr std::uintmax_t kMaxSelectionFileSize = 16u * 1024u * 1024u;

// A new, empty selection object of the class for a product id; nullptr for ids outside 0 to 5.
std::unique_ptr<CBaseProduct> CreateSelectionObject(int nProdId);

// The file's bytes: header A, header B, product block (modified flag always 0), selection.
std::vector<std::uint8_t> WriteSelectionBytes(const SSelectionHeader& header, const CBaseProduct& selection);
// Reads a whole file's bytes into a new selection object. A truncated, foreign or hostile
// input, or one with bytes after the selection, gives nothing and a message in strError.
// strSourceName names the input in the messages (the path, for a file; "The selection" in the
// language in force when empty).
std::optional<SLoadedSelection> ReadSelectionBytes(const std::vector<std::uint8_t>& bytes,
                                                   std::string& strError,
                                                   const std::string& strSourceName = std::string());

// Writes the file through a temporary file in the same folder that then replaces it, so a
// failed save reports false with a message and leaves any existing file as it was.
bool SaveSelectionFile(const std::filesystem::path& path, const SSelectionHeader& header,
                       const CBaseProduct& selection, std::string& strError);
// Reads a selection file into a new object; the caller's current selection is only to be
// replaced when this returns one.
std::optional<SLoadedSelection> LoadSelectionFile(const std::filesystem::path& path, std::string& strError);

// The frame title for a file: its name without folder and extension, then "   Selection".
std::string SelectionFileTitle(const std::filesystem::path& path);

// One entry of the installed-language table, as far as opening a file needs it.
struct SInstalledLanguage
{
    std::string strCode; // compared without regard to case
    int nNameId = 0;     // string id of its display name, 500 to 506
};

enum class EOpenCheck
{
    Open,                 // saved under the active language
    SwitchLanguage,       // saved under another installed language: show the message, switch, open
    LanguageNotInstalled, // show the message, do not open
    WrongExtension,       // show the message, do not open
    Unreadable            // header A cannot be read: show the message, do not open
};

struct SOpenCheck
{
    EOpenCheck eOutcome = EOpenCheck::Unreadable;
    std::string strMessage;  // what to show; empty for Open
    int nLanguageIndex = -1; // SwitchLanguage: the entry of the table to switch to
};

// The open command's checks before loading: the extension ("Ac3", case included), then
// the language of header A against the active one and the installed ones. Asking whether
// to save a modified selection first is the caller's.
SOpenCheck CheckSelectionFileForOpen(const std::filesystem::path& path,
                                     const std::string& strActiveLanguageCode,
                                     const std::vector<SInstalledLanguage>& languages);
