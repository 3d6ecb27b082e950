// What a selection object needs from the product object that owns it.
#pragma once

#include <string>

class IDatabase;
class CBaseProduct;

class ISelectionOwner
{
public:
    virtual ~ISelectionOwner() = default;
    // The open catalogue, or nullptr when none could be opened.
    virtual IDatabase* Database() = 0;
    // The chosen product: 0 accumulator by application, 1 gas bottle, ... 6 none chosen yet.
    virtual int ProdId() const = 0;
    // The user's default unit code of a unit category (21080 Temperature, 21081 Pressure, ...).
    virtual std::string DefaultUnit(int nCategoryId) const = 0;
    // The selection the owner currently holds, which working copies are compared against.
    virtual const CBaseProduct* CurrentSelection() const = 0;
};
