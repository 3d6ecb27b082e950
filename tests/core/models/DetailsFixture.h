// The details steps' tests: the built catalogue and a selection whose model the search for a
// known capacity at 3000 psi found and the model step chose.
#pragma once

#include "BuiltCatalogue.h"
#include "models/ModelSearch.h"
#include "models/SealSearch.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

class CDetailsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue did not open";
    }

    // The first row of the search for dCuIn in³ that the test accepts, chosen as the model step does.
    void ChooseModel(double dCuIn, const std::function<bool(const SAccumulatorList&)>& accept)
    {
        m_data.Initialize(0);
        m_data.deSelectApp = app::KnownCapacity;
        m_data.sdRequiredAccumulatorVol = CUnitDouble(dCuIn, "CU_IN");
        m_data.sdMaxSysPress = CUnitDouble(3000.0, "PSIG");
        m_search = RunModelSearch(m_data, *m_pDb);
        const auto row = std::find_if(m_search.rows.begin(), m_search.rows.end(), accept);
        ASSERT_NE(row, m_search.rows.end()) << dCuIn << " in3";
        ApplyModelChoice(m_data, *row, m_search, "N", *m_pDb);
        m_data.m_nLevel = 2;
    }

    // The details step's result copy, as the product object resets it.
    CAccumulatorData Result() const
    {
        CAccumulatorData result(m_data);
        result.Initialize(3);
        return result;
    }

    static std::string Number(CAccumulatorData data)
    {
        data.m_nLevel = 3;
        return data.BuildPartNumber();
    }

    // The code a list preselects.
    static const std::string& Code(const SDetailList& list)
    {
        static const std::string kNone = "(none)";
        return list.Selected() ? list.Selected()->m_strCode : kNone;
    }

    // The row of a list with that code.
    static CPartCode Row(const std::vector<CPartCode>& items, const std::string& strCode)
    {
        for (const CPartCode& item : items)
            if (item.m_strCode == strCode)
                return item;
        ADD_FAILURE() << "no row " << strCode;
        return CPartCode();
    }
    static CPartCode Row(const SDetailList& list, const std::string& strCode) { return Row(list.items, strCode); }

    std::unique_ptr<IDatabase> m_pDb;
    CAccumulatorData m_data;
    SModelSearch m_search;
};
