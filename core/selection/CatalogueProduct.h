// What the products chosen straight from the catalogue (transfer barriers, accessories, repair
// kits) answer alike: no sizing step, only "Choose Model", complete once it is confirmed.
#pragma once

#include "selection/BaseProduct.h"

class CCatalogueProduct : public CBaseProduct
{
public:
    // "Not Implemented": no CAD number is made for these products.
    std::string CreateCadNo() override;
    // Step 2 only.
    bool IsStepEnabled(int nStep) const override;
    // Level 2: "Choose Model" confirmed.
    bool IsComplete() const override;
};
