// A working selection with catalogue limits of its own and the built catalogue's messages, for the
// application chains and their checks; and the events of a multiple-events cycle.
#pragma once

#include "sizing/Sizing.h"

#include "BuiltCatalogue.h"
#include "ExpectRel.h"
#include "catalogue/MsgStoredProc.h"
#include "selection/ApplicationFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <type_traits>

class CApplicationTest : public ::testing::Test
{
protected:
    static inline const std::string kTail = "or contact your Dalrow Representative.";

    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue is missing";
        m_pMessages = std::make_unique<CIMsgStoredProc>(*m_pDb);
        s.ResetApplication(s);
        s.sdAllowedMaxAccumulatorPress.Set(5000.0 * 6894.757 + 101314.224, "PA"); // 5000 psig
        s.sdAllowedMaxAccumulatorVol.Set(10000.0 * 1.638706e-05, "CU_M");         // 10000 in3
        s.sdAllowedMaxTemperature.Set(250.0, "DEG_F");
        s.sdAllowedMinTemperature.Set(-40.0, "DEG_F");
    }

    const CIMsgStoredProc& M() const { return *m_pMessages; }

    // The chain of an application; nothing it leaves may be other than a finite number.
    sizing::SApplicationOutcome Run(int nApp, bool bAccept = false)
    {
        s.deSelectApp = nApp;
        sizing::SApplicationOutcome outcome = sizing::SizeApplication(s, M(), bAccept);
        WalkApplicationFields(
            [this](auto member)
            {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                if constexpr (std::is_same_v<T, CUnitDouble>)
                {
                    EXPECT_TRUE(std::isfinite((s.*member).Value()));
                }
            });
        return outcome;
    }

    // The chain sized the entries and stored a volume in cubic inches.
    sizing::SApplicationOutcome Sized(int nApp, bool bAccept = false)
    {
        sizing::SApplicationOutcome o = Run(nApp, bAccept);
        EXPECT_FALSE(o.Refused()) << o.failure->strMessage;
        EXPECT_EQ(o.eStatus, sizing::ESizingStatus::Sized) << o.strReason;
        EXPECT_EQ(s.sdRequiredAccumulatorVol.GetUnit(), "CU_IN");
        EXPECT_EQ(s.sdPolyTropicExponent.GetUnit(), "NONE");
        return o;
    }

    std::unique_ptr<IDatabase> m_pDb;
    std::unique_ptr<CIMsgStoredProc> m_pMessages;
    CAccumulatorData s;
};

// An event of actuator a, number e, drawing a volume (in3) from dStart over dDuration seconds.
inline SEvent Event(int a, int e, double dStart, double dDuration, double dVolumeIn3 = 5.0)
{
    SEvent ev;
    ev.iActNo = a;
    ev.iEventNo = e;
    ev.enumActVolForEvent = 1;
    ev.sdVolume.Set(dVolumeIn3, "CU_IN");
    ev.sdEvStartTime.Set(dStart, "SEC");
    ev.sdEvDuration.Set(dDuration, "SEC");
    return ev;
}
