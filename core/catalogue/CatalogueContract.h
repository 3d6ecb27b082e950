// What the program asks of a catalogue: every stored query it runs, the parameters
// it sets and the fields it reads, with the getter each field is read with.
#pragma once

#include "catalogue/DbValue.h"

#include <string>
#include <vector>

// The getter a field is read with, and so the field types it must have.
enum class EReadAs
{
    Text,   // GetString: text
    Whole,  // GetInt: 16- or 32-bit integer
    Number, // GetDouble: integer or floating
    Flag,   // GetBool: boolean
    Bytes,  // GetBlob: blob
};

struct SContractParam
{
    std::string strName; // bracketed, as the program sets it: "[parPressure]"
    CDbValue sample;     // a representative value of the type the program passes
};

struct SContractField
{
    std::string strName; // empty: the first field, read by index
    EReadAs eReadAs;
};

struct SContractQuery
{
    std::string strName;
    std::vector<SContractParam> params;
    std::vector<SContractField> fields;
};

// Every stored query of the accumulator workflow, in the order the workflow meets them.
const std::vector<SContractQuery>& CatalogueContract();
