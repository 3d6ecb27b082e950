// Messages in another language: every tail and the cannot-size sentence come from the catalogue.
#include "sizing/Sizing.h"

#include "BuiltCatalogue.h"
#include "catalogue/MsgStoredProc.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace sizing;

namespace
{
const std::string kTail = "oder wenden Sie sich an Ihre Dalrow-Vertretung.";

// The built catalogue copied under the name of another language, with the tail and the
// cannot-size sentence translated.
class CTranslatedCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tesmara_tail_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        fs::copy_file(fs::path(TESMARA_BUILT_CATALOGUE_DIR) / "AccUS.db", m_dir / "AccDE.db",
                      fs::copy_options::overwrite_existing);
        sqlite3* pDb = nullptr;
        ASSERT_EQ(sqlite3_open((m_dir / "AccDE.db").string().c_str(), &pDb), SQLITE_OK);
        const std::string strSql =
            "UPDATE Messages SET MsgText = '" + kTail +
            "' WHERE MsgKey = 'or contact your Dalrow Representative.';"
            "UPDATE Messages SET MsgText = 'Der Speicher ist so nicht auszulegen: %s.' "
            "WHERE MsgKey = 'The accumulator cannot be sized with these entries: %s.';";
        EXPECT_EQ(sqlite3_exec(pDb, strSql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(pDb);
        ASSERT_TRUE(m_db.Open(m_dir, "Acc", "DE"));
        m_pMessages = std::make_unique<CIMsgStoredProc>(m_db);
        s.ResetApplication(s);
        s.sdAllowedMaxAccumulatorPress.Set(5000.0, "PSIG");
        s.sdAllowedMaxTemperature.Set(250.0, "DEG_F");
        s.sdAllowedMinTemperature.Set(-40.0, "DEG_F");
    }
    void TearDown() override
    {
        m_pMessages.reset();
        m_db.Close();
        fs::remove_all(m_dir);
    }
    static bool EndsWithTail(const CheckResult& r)
    {
        return r && r->strMessage.size() > kTail.size() &&
               r->strMessage.compare(r->strMessage.size() - kTail.size(), kTail.size(), kTail) == 0;
    }

    fs::path m_dir;
    IDatabase m_db;
    std::unique_ptr<CIMsgStoredProc> m_pMessages;
    CAccumulatorData s;
};
} // namespace

TEST_F(CTranslatedCatalogue, PumpResponsePulsationAndToolTailsAreTranslated)
{
    const CIMsgStoredProc& m = *m_pMessages;
    // Fixed displacement pump: the flow rate of 0.
    s.sdMaxSysPress.Set(1000.0, "PSIG");
    s.sdShockMaxShockPress.Set(1050.0, "PSIG");
    EXPECT_TRUE(EndsWithTail(
        CheckPumpResponse(s, EPumpType::Fixed, {PumpResponseMaximumShock(s.sdMaxSysPress), true}, m)));

    // Pulsation: the system pressure, the entered precharge (all of it looked up), the pistons.
    const SPulsationValues values{PulsationPrecharge(s.sdMaxSysPress),
                                  MaximumAllowableShockPressure(s.sdMaxSysPress)};
    s.bPrechargeIHaveUseCalc = 1;
    EXPECT_EQ(CheckPulsation(s, values, m, false)->strMessage,
              "Your Entered Precharge Pressure must be larger than 0.\r\n" + kTail);
    s.sdPrechargePress.Set(2000.0, "PSIG");
    EXPECT_TRUE(EndsWithTail(CheckPulsation(s, values, m, false)));
    s.sdPrechargePress.Set(500.0, "PSIG");
    s.iPulsationNoOfPistInPump = 0;
    EXPECT_TRUE(EndsWithTail(CheckPulsation(s, values, m, false)));
    s.sdMaxSysPress.Set(0.0, "PSIG");
    EXPECT_EQ(CheckPulsation(s, values, m, false)->strMessage,
              "Your Maximum pressure must be larger than 0 \r\n" + kTail);

    // The output tool.
    SOutputExistingEntries out{.maximum = {6000.0, "PSIG"},
                               .minimum = {1200.0, "PSIG"},
                               .dischargeTime = {5.0, "SEC"},
                               .volume = {5.0, "GAL"},
                               .temperature = {70.0, "DEG_F"},
                               .enteredPrecharge = {1000.0, "PSIG"}};
    EXPECT_TRUE(EndsWithTail(OutputOfExistingTool(out, m).failure));

    EXPECT_EQ(CannotSizeMessage("the cylinder stroke choice is unknown", m),
              "Der Speicher ist so nicht auszulegen: the cylinder stroke choice is unknown.");
}
