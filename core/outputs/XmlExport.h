// The XML export of a selection: every stored field by its name with its unit, the file's
// headers and the model number, in the documented form of schemas/tesmara-selection.xsd.
#pragma once

#include <filesystem>
#include <string>

class CBaseProduct;
struct SSelectionHeader;

// The namespace of the document's elements.
inline constexpr const char* kSelectionXmlNamespace = "urn:dalrow:tesmara:selection:1";

// Whether this version can write the selection's class as XML.
bool CanExportXml(const CBaseProduct& selection);

// The document. The model number is assembled on a copy of the selection (through its owner's
// catalogue where it has one); the selection itself is not changed.
std::string SelectionToXml(const SSelectionHeader& header, const CBaseProduct& selection);

// Writes the document through a temporary file and a rename. False with a message in strError
// when the class cannot be exported or the file cannot be written; an existing file stays as it was.
bool ExportSelectionXml(const std::filesystem::path& path, const SSelectionHeader& header,
                        const CBaseProduct& selection, std::string& strError);
