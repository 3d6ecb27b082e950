// The catalogue and selection owner of one command-line job (one per thread in a batch).
#pragma once

#include "catalogue/Catalogue.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionOwner.h"
#include "units/DefaultUnits.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CCliSession final : public ISelectionOwner
{
public:
    // Opens the catalogue of the folder; on failure strError holds the catalogue's message.
    bool Open(const std::filesystem::path& folder, std::string& strError);

    IDatabase* Database() override { return m_db.IsOpen() ? &m_db : nullptr; }
    // Accumulators unless the job's selection file says otherwise.
    int ProdId() const override { return m_nProdId; }
    void SetProdId(int nProdId) { m_nProdId = nProdId; }
    std::string DefaultUnit(int nCategoryId) const override { return m_units.GetDefaultUnit(nCategoryId); }
    const CBaseProduct* CurrentSelection() const override { return nullptr; }

    IDatabase& Catalogue() { return m_db; }
    const IDatabase& Catalogue() const { return m_db; }
    const CIMsgStoredProc& Messages() const { return *m_pMessages; }

    // A new accumulator selection of this session, initialised from the catalogue.
    CAccumulatorData NewSelection();

private:
    IDatabase m_db;
    std::unique_ptr<CIMsgStoredProc> m_pMessages;
    CDefaultUnits m_units = CDefaultUnits::Standard();
    int m_nProdId = 0;
};

// Opens the catalogue of the folder (the installed one when strFolder is empty) and runs a
// command on a new session. A failed open, or a catalogue error met on the way, ends the
// command with the data-access message on standard error and kExitFailure.
int RunOnCatalogue(const std::string& strFolder, const std::function<int(CCliSession&)>& command);

// The data-access message of a catalogue error met on this session's catalogue.
std::string CatalogueFailureText(const CCatalogueError& error, const CCliSession& session);
