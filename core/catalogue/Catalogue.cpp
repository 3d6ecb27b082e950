// The catalogue file's name.
#include "catalogue/Catalogue.h"

std::string CatalogueFileName(const std::string& strLanguageCode, const std::string& strBaseName)
{
    return strBaseName + strLanguageCode + ".db";
}
