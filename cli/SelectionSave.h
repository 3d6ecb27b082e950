// Saving a selection from the command line as the desktop saves it.
#pragma once

#include <string>

class CAccumulatorData;
class CBaseProduct;
class CCliSession;

// Writes an accumulator selection (product "Accumulators", language U.S. English) to a
// *.Ac3 file; bComplete marks it as complete with its model number, as the details step does.
// False with a message when the name does not end in ".Ac3" or the file cannot be written; an
// existing file is then left as it was.
bool SaveSizedSelection(const std::string& strPath, const CAccumulatorData& data, CCliSession& session,
                        std::string& strError, bool bComplete = false);
// The same for a selection of any product id.
bool SaveProductSelection(const std::string& strPath, const CBaseProduct& data, int nProdId, CCliSession& session,
                          std::string& strError, bool bComplete);
