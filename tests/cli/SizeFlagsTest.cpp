// tesmara size with each application's flags in mixed units: the fields the flags set, and the
// required volume against the independent calculation of SizingReference.h (1e-6 relative), read
// from the case table of tests/support/SizingCases.h, which the engine's known-value test reads too.
#include "CliRunner.h"
#include "SizingCases.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace ref;

TEST(SizeFlags, EachApplicationsFlagsSetItsFieldsAndSizeAsTheReference)
{
    for (const SSizingCase& c : SizingCases())
    {
        SCOPED_TRACE(c.strArgs);
        const SCliRun run = RunCli("size " + c.strArgs + " --json", c.strInput);
        ASSERT_EQ(run.nStatus, 0) << run.strErr;
        const json out = json::parse(run.strOut);
        EXPECT_EQ(out["outcome"]["status"], "sized");
        const json& app = out["application"];
        for (const SField& field : c.fields)
        {
            const json& value = field.pszUnit ? app[field.pszName]["value"] : app[field.pszName];
            if (field.pszUnit)
            {
                EXPECT_EQ(app[field.pszName]["unit"], field.pszUnit) << field.pszName;
            }
            ASSERT_TRUE(value.is_number()) << field.pszName << ": " << app[field.pszName];
            EXPECT_REL(value.get<double>(), field.dValue, 1e-6) << field.pszName;
        }
        if (c.expected.dRequiredIn3 != 0.0)
        {
            EXPECT_EQ(app["sdRequiredAccumulatorVol"]["unit"], "CU_IN");
            EXPECT_REL(app["sdRequiredAccumulatorVol"]["value"].get<double>(), c.expected.dRequiredIn3, 1e-6);
        }
    }
}

// The range goes into the JSON beside the fields, comes back in as input, and needs both ends.
TEST(SizeFlags, OperatingRangeInAndOutOfTheJson)
{
    const std::string strAux = "aux-power --volume 100CU_IN --actuation 2sec --dwell 20sec --max 3000psi --min "
                               "2000psi --temp 70DEG_F --precharge 1800psi";
    SCliRun run = RunCli("size " + strAux + " --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    json out = json::parse(run.strOut);
    EXPECT_FALSE(out["application"].contains("sdOperatingTempMin"));
    EXPECT_FALSE(out["outcome"]["comparison"].contains("operatingRange"));

    run = RunCli("size " + strAux + " --temp-min -20DEG_F --temp-max 60DEG_C --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    out = json::parse(run.strOut);
    EXPECT_EQ(out["application"]["sdOperatingTempMax"], json::parse(R"({"value": 60.0, "unit": "DEG_C"})"));
    const json& range = out["outcome"]["comparison"]["operatingRange"];
    EXPECT_EQ(range["minimum"]["short"], true);
    EXPECT_EQ(range["maximum"]["temperature"]["value"].get<double>(), 140.0);
    EXPECT_TRUE(Contains(RunCli("size " + strAux + " --temp-min -20DEG_F --temp-max 60DEG_C").strOut,
                         "Warning: at -20 \u00B0F the accumulator falls short of the required volume"));
    // The output read back as input keeps the range.
    const SCliRun again = RunCli("size --input - --json", run.strOut);
    ASSERT_EQ(again.nStatus, 0) << again.strErr;
    EXPECT_EQ(json::parse(again.strOut)["outcome"], out["outcome"]);

    run = RunCli("size " + strAux + " --temp-min -20DEG_F");
    EXPECT_NE(run.nStatus, 0);
    EXPECT_TRUE(Contains(run.strErr, "(field: sdOperatingTempMax)")) << run.strErr;
}
