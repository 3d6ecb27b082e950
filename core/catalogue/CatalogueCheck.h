// Checks a catalogue against what the program asks of it.
#pragma once

#include <string>
#include <vector>

class IDatabase;

struct SCatalogueCheck
{
    int nQueries = 0;                  // stored queries checked
    std::vector<std::string> problems; // what the program would trip over
    std::vector<std::string> notes;    // what could not be checked
};

// Runs every query of the contract with representative parameters and checks its
// parameters, fields and field types; checks that every message key the program
// uses has a text, that unit codes in the data are known, that pictures named in
// the data exist, that the catalogue's unit factors are the program's, that its limits
// (largest capacity, highest pressure, temperatures) are ones the program can size with,
// and that its texts are UTF-8. A table that cannot be read is reported; the scan goes on.
SCatalogueCheck CheckCatalogue(IDatabase& database);
