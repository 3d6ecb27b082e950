// Details lists from their queries, and writing the choices of a details step.
#include "models/DetailLists.h"

#include "catalogue/Catalogue.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"

namespace
{
constexpr int kStringNoChoice = 59220; // the list's caption
} // namespace

std::vector<CPartCode> DetailRows(IDatabase& db, const char* pszQuery, DetailParams params,
                                  const char* pszCode, const char* pszLocation, const char* pszText,
                                  const char* pszExtra, std::vector<std::string>* pExtras)
{
    IQueryDef def(db);
    def.Open(pszQuery);
    for (const auto& [pszName, strValue] : params)
        def.SetParamValue(pszName, strValue);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<CPartCode> items;
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        items.emplace_back(pszCode ? rows.GetString(pszCode) : std::string(),
                           pszLocation ? rows.GetInt(pszLocation) : 0, rows.GetString(pszText));
        if (pszExtra && pExtras)
            pExtras->push_back(rows.GetString(pszExtra));
    }
    return items;
}

SDetailList DetailList(std::vector<CPartCode> items, const std::string& strHeld, bool bByDescription)
{
    SDetailList list;
    list.items = std::move(items);
    list.nSelected = PreselectedItem(list.items, strHeld, bByDescription);
    return list;
}

void WriteChoice(CPartCode& field, const std::optional<CPartCode>& choice)
{
    if (choice)
        field = *choice;
    else
        field.Reset();
}

std::string MissingChoiceMessage(std::initializer_list<SRequiredChoice> lists)
{
    for (const SRequiredChoice& list : lists)
        if (!list.bChosen)
            return FormatString(kStringNoChoice, {LoadString(list.nCaptionId)});
    return std::string();
}

void ClearOptions(CAccumulatorData& data)
{
    data.m_caSelectedOptionArray.clear();
    data.cpcOptionCode.Reset();
}
