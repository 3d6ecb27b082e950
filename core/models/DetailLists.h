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

// The string ids of the captions of the lists without which a model number is incomplete.
inline constexpr int kCaptionSealCompound = 59221, kCaptionConstruction = 59222,
                     kCaptionHydraulicPortType = 59223, kCaptionDiaphragm = 59224, kCaptionGasPort = 59225,
                     kCaptionGasValvePort = 59226, kCaptionBladder = 59227;

// A list without which the model number is incomplete, and whether it gave a choice.
struct SRequiredChoice
{
    int nCaptionId; // the string id of the list's caption
    bool bChosen;
};
// The refusal for the first required list that offered nothing, or empty text.
std::string MissingChoiceMessage(std::initializer_list<SRequiredChoice> lists);

// Bladders, diaphragms and gas bottles have no options: a piston chosen before leaves none behind.
void ClearOptions(CAccumulatorData& data);
