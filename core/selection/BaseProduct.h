// The common base of all product selection objects: progress level and model-number codes.
#pragma once

#include "selection/CadConversion.h"
#include "selection/PartCode.h"

#include <memory>
#include <string>
#include <vector>

class CArchive;
class IDatabase;
class ISelectionOwner;

class CBaseProduct
{
public:
    CBaseProduct() = default;
    virtual ~CBaseProduct() = default;
    CBaseProduct(const CBaseProduct&) = default;
    CBaseProduct& operator=(const CBaseProduct&) = default;

    // Positions 1 to 29 make up a model number; 30 and above are kept out of it.
    static constexpr std::int32_t kFirstUnusedLocation = 30;

    // A copy of the concrete object.
    virtual std::unique_ptr<CBaseProduct> Clone() const = 0;

    // Adds a code to m_lstCodes after the first code with a lower position (see the .cpp).
    void AddCode(const CPartCode& code) { AddCode(m_lstCodes, code); }
    // The code texts of m_lstCodes in ascending position 1 to 29; "_" adds nothing.
    std::string AssemblePartNumber() const { return AssemblePartNumber(m_lstCodes); }
    // The same two rules on any list, for a model number built without touching m_lstCodes.
    static void AddCode(std::vector<CPartCode>& codes, const CPartCode& code);
    static std::string AssemblePartNumber(const std::vector<CPartCode>& codes);

    virtual std::string BuildPartNumber();
    virtual std::string CreateCadNo();
    virtual std::string GetSelectionDisplayText(int nStep) const;
    virtual bool IsStepEnabled(int nStep) const;
    // Whether the CAD commands are available for this selection.
    virtual bool IsCadCommandEnabled() const;
    virtual std::string GetCadMailboxTable() const;
    virtual std::string GetCadMailboxDatabase() const;
    virtual std::string GetCadProgram() const;
    // The mailbox row a CAD drawing request writes for this selection; none by default.
    virtual SCadConversion GetCadConversion() const;
    virtual std::string GetGasBottleQuantityText() const;
    virtual bool IsComplete() const;
    virtual std::string GetGasBottleDescription() const;
    virtual std::string GetGasBottlePartNumber() const;
    virtual std::string GetPartDescription() const;

    // Stores or loads the common part: both code lists and the level.
    virtual void Serialize(CArchive& ar);
    // The common part compared: level and both code lists (the owner is not part of a selection).
    bool IsSameBase(const CBaseProduct& other) const;

    int m_nLevel = 0;                         // 0 product chosen, 1 application, 2 model, 3 details
    std::vector<CPartCode> m_lstCodes;        // the codes of the model number
    std::vector<CPartCode> m_lstDefaultCodes; // model defaults that count only at level 2
    ISelectionOwner* m_pOwner = nullptr;      // not owned

protected:
    // The owner's product id, or 6 (none chosen) without an owner.
    int OwnerProdId() const;
    // The owner's default unit of a category, or the U.S. standard one without an owner.
    std::string OwnerDefaultUnit(int nCategoryId) const;
    // The owner's catalogue when it is open, else nullptr.
    IDatabase* OwnerCatalogue() const;
    // The catalogue's default seal compound of an accumulator type ("qSealInitialization");
    // without a row "Data Missing!" is shown and the code is left as it was.
    void ReadSealDefault(IDatabase& db, const std::string& strAccumType, CPartCode& code) const;
};
