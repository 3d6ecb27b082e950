// The rapid selection without its window: the cascade of a type's code lists over the catalogue
// (what each list holds, what is chosen, which lists are enabled) and the selection the choices
// make, whose model number is the one the model and details steps give the same model.
#pragma once

#include "models/RapidLists.h"
#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <memory>
#include <string>
#include <vector>

class CBaseProduct;
class IDatabase;
class ISelectionOwner;

struct SRapidItem
{
    CPartCode code;    // code, position and the text the selection keeps
    std::string strText; // as the list shows it
    CUnitDouble value; // the number of a list of numbers
    std::string strExtra;
};

struct SRapidListState
{
    std::vector<SRapidItem> items;
    int nSelected = -1;
    bool bEnabled = false;

    const SRapidItem* Selected() const
    {
        return nSelected >= 0 && nSelected < static_cast<int>(items.size()) ? &items[nSelected] : nullptr;
    }
};

class CRapidSelection
{
public:
    // Only the first list is filled and enabled. Catalogue errors (CCatalogueError) reach the caller
    // here and from Select.
    CRapidSelection(const SRapidType& type, IDatabase& db);

    // A change of list k (-1 clears its choice): every later list is emptied and disabled, then
    // filled in turn. A list whose query needs a list without a choice stays empty; an empty list
    // is passed over; a list of one item takes it. The cascade stops at the first list that
    // leaves the user a choice.
    void Select(int nList, int nItem);
    // Selects the item of a code; false when the list does not hold it.
    bool SelectCode(int nList, const std::string& strCode);

    const SRapidType& Type() const { return m_type; }
    const std::vector<SRapidListState>& Lists() const { return m_lists; }
    // The list waiting for the user's choice, or -1 when every list that has items holds one.
    int Waiting() const { return m_nWaiting; }
    bool IsComplete() const { return m_nWaiting < 0; }

    // The choices so far written into a new selection of the type's class, owned by owner, whose
    // product must be the type's: once the model is named, its facts from the catalogue as the
    // model step writes them, then the details chosen; "_" stores nothing. Its model number is
    // assembled.
    std::unique_ptr<CBaseProduct> MakeSelection(ISelectionOwner& owner) const;

private:
    void Fill(int nList);
    void Advance(int nFrom);

    const SRapidType& m_type;
    IDatabase& m_db;
    std::vector<SRapidListState> m_lists;
    int m_nWaiting = 0;
};
