// A private copy of the built CAD mailbox for each test, and complete piston and bladder
// selections to request drawings of.
#pragma once

#include "CompleteSelections.h"
#include "catalogue/Recordset.h"
#include "outputs/CadMailbox.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

class CCadMailboxFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tesmara-cad-" + std::to_string(std::random_device()()));
        fs::create_directories(m_dir);
        m_file = m_dir / "CadMailbox.db";
        fs::copy_file(TESMARA_BUILT_CAD_MAILBOX, m_file);
        std::string strError;
        ASSERT_TRUE(m_mailbox.Open(m_file, strError)) << strError;
    }
    void TearDown() override
    {
        m_mailbox.Database().Close();
        fs::remove_all(m_dir);
    }

    static CAccumulatorData Piston() { return CompletePiston(); }
    static CAccumulatorData Bladder() { return CompleteBladder(); }
    // How many rows a mailbox table holds.
    int RowCount(const std::string& strTable)
    {
        IRecordset rows(m_mailbox.Database());
        rows.OpenTable(strTable);
        return rows.GetRecordCount();
    }

    fs::path m_dir;
    fs::path m_file;
    CCadMailbox m_mailbox;
};
