// The code lists of the rapid selection's five type dialogs, as data: for each list the query
// that fills it, where each of its parameters comes from, the fields it reads and the field of
// the selection its choice goes to.
#pragma once

#include <string>
#include <vector>

// The field of the selection a list's choice goes to. The series, bore, capacity and pressure
// name the model; the others are its details.
enum class ERapidField
{
    None, // a placeholder position: nothing is stored
    Series,
    Bore,
    Capacity,
    Pressure,
    Design,
    Seal,
    Construction,
    Options,
    PortType,
    PortSize,
    GasPortType,
    GasPortSize,
    HydPort,
    Modification,
    Certification,
    GasPort,
    GasValve,
    Size,   // a reservoir isolator's size
    Bladder, // a reservoir isolator's bladder
    Fixed,  // a code every model of the series carries
};

// Where a parameter's value comes from: the code chosen in a list, the product type text or a
// constant text.
constexpr int kFromType = -1;
constexpr int kConstant = -2;
struct SRapidParam
{
    const char* pszName;
    int nSource;
    const char* pszConstant = nullptr;
};

struct SRapidList
{
    const char* pszName; // on the command line: "bore", "seal", ...
    int nCaptionId;      // the string shown above the list
    const char* pszQuery;
    std::vector<SRapidParam> params;
    const char* pszCode;
    const char* pszText;  // the text shown, or with pszUnits the number shown with its unit
    const char* pszUnits; // nullptr for a text
    ERapidField eField;
    const char* pszStored = nullptr; // the text the code keeps, where it is not the one shown
    const char* pszExtra = nullptr;  // a further text its field needs (an approval, a port size)
};

struct SRapidType
{
    const char* pszType;   // "Piston", "Bladder", "Diaphragm", "GB" or "OV"
    int nTitleId;          // the dialog's title
    const char* pszDialog; // the dialog's name, for its reference topic
    int nProdId;           // the product the completed selection is
    bool bDrawing;         // the product object's drawing flag
    std::vector<SRapidList> lists;
};

// The five types in the order of the product type texts above.
const std::vector<SRapidType>& RapidTypes();
// The type of a product type text, or nullptr.
const SRapidType* FindRapidType(const std::string& strType);
// The list of a type by its command-line name, or -1.
int FindRapidList(const SRapidType& type, const std::string& strName);
