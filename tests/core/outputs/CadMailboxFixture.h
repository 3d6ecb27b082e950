// A private copy of the built CAD mailbox for each test, and complete piston and bladder
// selections to request drawings of.
#pragma once

#include "CompleteSelections.h"
#include "TempFolder.h"
#include "catalogue/Recordset.h"
#include "outputs/CadMailbox.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

class CCadMailboxFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::copy_file(TESMARA_BUILT_CAD_MAILBOX, m_file);
        std::string strError;
        ASSERT_TRUE(m_mailbox.Open(m_file, strError)) << strError;
    }
    void TearDown() override { m_mailbox.Database().Close(); }

    static CAccumulatorData Piston() { return CompletePiston(); }
    static CAccumulatorData Bladder() { return CompleteBladder(); }
    // How many rows a mailbox table holds.
    int RowCount(const std::string& strTable)
    {
        IRecordset rows(m_mailbox.Database());
        rows.OpenTable(strTable);
        return rows.GetRecordCount();
    }

    const CTempFolder m_folder{"tesmara-cad"};
    const fs::path m_dir = m_folder.Path();
    const fs::path m_file = m_dir / "CadMailbox.db";
    CCadMailbox m_mailbox;
};
