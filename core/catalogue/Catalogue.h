// Front door of the catalogue subsystem: data access over the catalogue file, messages, pictures.
#pragma once

#include "catalogue/CatalogueError.h"
#include "catalogue/Database.h"
#include "catalogue/DbValue.h"
#include "catalogue/LoadJpeg.h"
#include "catalogue/MsgStoredProc.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"

#include <string>

// The base name of the catalogue file, before the language code.
inline constexpr const char* kCatalogueBaseName = "Acc";

// The catalogue file of a language: "Acc" + code + ".db", e.g. "AccUS.db".
std::string CatalogueFileName(const std::string& strLanguageCode,
                              const std::string& strBaseName = kCatalogueBaseName);
