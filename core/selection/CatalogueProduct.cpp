// The common answers of the products chosen straight from the catalogue.
#include "selection/CatalogueProduct.h"

#include "platform/StringTable.h"

std::string CCatalogueProduct::CreateCadNo()
{
    return LoadString(50012); // "Not Implemented"
}

bool CCatalogueProduct::IsStepEnabled(int nStep) const
{
    return nStep == 2;
}

bool CCatalogueProduct::IsComplete() const
{
    return m_nLevel >= 2;
}
