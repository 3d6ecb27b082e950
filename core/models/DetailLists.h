// What the details steps share: running a list's query, preselecting the earlier choice, and
// writing the choices so that no code of an earlier model stays in the model number.
#pragma once

#include "models/SealSearch.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CAccumulatorData;
class IDatabase;

using DetailParams = std::initializer_list<std::pair<const char*, std::string>>;

// Runs a details query with text parameters: each row's code, location and text (a null field
// name reads as empty text or 0). With pszExtra, that text field of each row goes to *pExtras.
std::vector<CPartCode> DetailRows(IDatabase& db, const char* pszQuery, DetailParams params,
                                  const char* pszCode, const char* pszLocation, const char* pszText,
                                  const char* pszExtra = nullptr,
                                  std::vector<std::string>* pExtras = nullptr);

// The rows with the held code (or, with bByDescription, the held text) preselected.
SDetailList DetailList(std::vector<CPartCode> items, const std::string& strHeld, bool bByDescription = false);

// A list's choice into its field. A list that offered nothing clears the field: what it held
// came from an earlier model.
void WriteChoice(CPartCode& field, const std::optional<CPartCode>& choice);

// A list without which the model number is incomplete, and whether it gave a choice.
struct SRequiredChoice
{
    const char* pszCaption;
    bool bChosen;
};
// The refusal for the first required list that offered nothing, or empty text.
std::string MissingChoiceMessage(std::initializer_list<SRequiredChoice> lists);

// Bladders, diaphragms and gas bottles have no options: a piston chosen before leaves none behind.
void ClearOptions(CAccumulatorData& data);
