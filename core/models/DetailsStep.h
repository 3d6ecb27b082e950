// The "Choose Details" step without a window, as a script takes it: every list keeps the row the
// step preselects, unless the caller names another code of that list.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CAccumulatorData;
class IDatabase;

// A list by its name ("seal", "port", ...) and the code (or the shown text) to choose in it. The
// piston's "option" may come several times; naming it replaces the preselected options.
using DetailChoices = std::vector<std::pair<std::string, std::string>>;

// The names of the lists of an accumulator type ("Piston", "Bladder", "Diaphragm", "GB").
std::vector<std::string> DetailListNames(const std::string& strType);

// Runs the step on the copies the product object makes: working (the selection as it is) and
// result (reset from the details on); former is the selection before the step. False with a
// message when a list name or code is not offered, or a list the model number needs is empty;
// the copies are then not to be used. A catalogue error (CCatalogueError) is left to the caller.
bool ApplyDetailsStep(CAccumulatorData& working, CAccumulatorData& result, const CAccumulatorData& former,
                      const DetailChoices& choices, IDatabase& db, std::string& strError);
