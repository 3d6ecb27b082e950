// Each application other than supplementing pump flow, as a user selects with it in the desktop
// application: product, application with realistic entries, results, a piston model and its details,
// saved, a new selection, and the file opened again with the same panel and model number.
#include "PistonScripts.h"
#include "sizing/AuxPowerSource.h"
#include "sizing/SuppPumpMultiAct.h"
#include "sizing/SuppPumpMultiActPump.h"
#include "sizing/SupPumpCylDimensions.h"
#include "sizing/SupPumpMultiEvent.h"

#include <QTableWidget>

namespace
{
// One event as the editor is given it: volume choice 0 flow (gpm), 1 volume (gal), 2 a 4 x 2 x 20 in
// cylinder with stroke nStroke.
struct SEventEntry
{
    double dStart, dDuration;
    int nChoice;
    double dAmount;
    int nStroke = 0;
};

// A press: a clamp (0.5 gal in 1 s, 20 gpm for 1 s) and a main cylinder that extends in 0.5 s and
// retracts in 1.5 s, over a 20 s cycle at 3000 / 2000 psi; a 30 gpm pump at 70 °F.
void ScriptMultipleEvents(CChainScript& script)
{
    script["Describe Application"] = [](QDialog& d)
    {
        static_cast<CDescribeApplication&>(d).ApplicationButton(2)->setChecked(true);
        return PressOk(d);
    };
    auto entries = std::make_shared<std::vector<SEventEntry>>(
        std::vector<SEventEntry>{{0, 1, 1, 0.5}, {8, 1, 0, 20}, {2, 0.5, 2, 0, 0}, {4, 1.5, 2, 0, 1}});
    auto nNext = std::make_shared<std::size_t>(0);
    script["Actuator Event Information"] = [entries, nNext](QDialog& d)
    {
        auto& e = static_cast<CSupPumpMultiEvent&>(d);
        const SEventEntry& entry = (*entries)[(*nNext)++];
        Enter(e.Start(), QString::number(entry.dStart));
        Enter(e.Duration(), QString::number(entry.dDuration));
        e.VolumeChoice(entry.nChoice)->click();
        if (entry.nChoice == 0)
            Enter(e.Flow(), QString::number(entry.dAmount));
        else if (entry.nChoice == 1)
        {
            Enter(e.Volume(), QString::number(entry.dAmount));
            e.VolumeUnit()->SelectUnit("GAL");
        }
        else
        {
            e.DistanceUnit()->SelectUnit("IN");
            Enter(e.Bore(), "4");
            Enter(e.Rod(), "2");
            Enter(e.Stroke(), "20");
            e.StrokeChoice(entry.nStroke)->click();
        }
        return PressOk(d);
    };
    script["Supplementing Pump Flow - Multiple Events"] = [](QDialog& d)
    {
        auto& l = static_cast<CSuppPumpMultiAct&>(d);
        Enter(l.MaxPressure(), "3000");
        Enter(l.MinPressure(), "2000");
        Enter(l.TotalDuration(), "20");
        l.OnAddActuator(); // 1.1, highlighted after it is placed
        l.OnAddEvent();    // 1.2
        l.OnAddActuator(); // 2.1
        l.OnAddEvent();    // 2.2
        return l.Grid()->rowCount() == 4 ? PressOk(d) : dlg::Cancel;
    };
    script["Supplementing Pump Flow"] = [](QDialog& d)
    {
        auto& p = static_cast<CSuppPumpMultiActPump&>(d);
        Enter(p.PumpSize(), "30");
        Enter(p.Temperature(), "70");
        return PressOk(d);
    };
    script["Results"] = PressOk;
}

// An auxiliary power source for a 3 x 1.5 in cylinder with a 12 in stroke extending in 1 s, recharged
// over 30 s, at 3000 / 2000 psi and 70 °F.
void ScriptAuxiliaryPower(CChainScript& script)
{
    script["Describe Application"] = [](QDialog& d)
    {
        static_cast<CDescribeApplication&>(d).ApplicationButton(3)->setChecked(true);
        return PressOk(d);
    };
    script["Select a Calculation Method"] = [](QDialog& d)
    {
        static_cast<CSupPumpSelCalcMethod&>(d).MethodButton(1)->setChecked(true);
        return PressOk(d);
    };
    script["Cylinder Dimensions"] = [](QDialog& d)
    {
        auto& c = static_cast<CSupPumpCylDimensions&>(d);
        c.DistanceUnit()->SelectUnit("IN");
        for (auto [pEdit, pszText] : {std::pair{c.Bore(), "3"},
                                      {c.Rod(), "1.5"},
                                      {c.Stroke(), "12"},
                                      {c.Cylinders(), "1"},
                                      {c.ActuationTime(), "1"},
                                      {c.DwellTime(), "30"}})
            Enter(pEdit, pszText);
        c.StrokeButton(0)->setChecked(true);
        return PressOk(d);
    };
    script["Auxiliary Power Source"] = [](QDialog& d)
    {
        auto& a = static_cast<CAuxPowerSource&>(d);
        a.PressureUnit()->SelectUnit("PSIG");
        Enter(a.MaxPressure(), "3000");
        Enter(a.MinPressure(), "2000");
        Enter(a.Temperature(), "70");
        return PressOk(d);
    };
    script["Results"] = PressOk;
}
} // namespace

class CApplicationSelectionsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CDesktopSession> m_pSession;

    CAccumulatorObject& Product() { return m_pSession->Product(); }
    const CAccumulatorData& Held() { return *Product().AccumulatorData(); }

    // The chain scripted, a piston and its details chosen, then saved, new and reopened: the same
    // panel, model number and selection. Only the seal search's outcome was a message.
    void SelectSaveAndReopen(CChainScript& script, const QString& strFile, const char* pszApplication)
    {
        CPromptCapture prompt;
        SelectPiston(*m_pSession, script);
        QCOMPARE(script.Titles().back(), QStringLiteral("Selection Complete"));
        QVERIFY(Product().IsSelectionComplete());
        const QStringList panel = m_pSession->PanelTexts();
        QCOMPARE(panel[1], QString::fromLatin1(pszApplication));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(!panel[i].isEmpty(), qPrintable(QString::number(i)));
        const std::string strModel = Product().GetPartNumberDisplayText();
        QVERIFY2(QString::fromStdString(strModel).startsWith("P"), strModel.c_str());
        QVERIFY(Held().sdRequiredAccumulatorVol.Value() > 0.0);
        const CAccumulatorData data(Held());
        m_pSession->SaveNewAndOpen(strFile);
        QVERIFY(QFileInfo::exists(m_pSession->FilePath(strFile)));
        QCOMPARE(Product().GetPartNumberDisplayText(), strModel);
        QCOMPARE(m_pSession->PanelTexts(), panel);
        QVERIFY(Held().IsEqual(data));
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
    }

private slots:
    void init()
    {
        m_pSession = std::make_unique<CDesktopSession>();
        QVERIFY(m_pSession->Start());
    }
    void cleanup() { m_pSession.reset(); }

    void MultipleEventsSelection()
    {
        CChainScript script;
        ScriptMultipleEvents(script);
        SelectSaveAndReopen(script, "multiple.Ac3", "Supplementing Pump Flow - Multiple Events");
        QCOMPARE(Held().m_lstEvents.size(), std::size_t(4));
        QCOMPARE(Held().iNumOfActuators, 2);
        // 2.1, the cylinder's extension (251 in³), is the largest event.
        QCOMPARE(Held().iCriticalActuator, 2);
        QCOMPARE(Held().iCriticalEvent, 1);
        QCOMPARE(Held().m_lstEvents[3].eExtendRetract, 1);
    }

    void AuxiliaryPowerSelection()
    {
        CChainScript script;
        ScriptAuxiliaryPower(script);
        SelectSaveAndReopen(script, "auxiliary.Ac3", "Auxiliary Power Source");
        QCOMPARE(Held().deSelectCalcMethod, 1);
        // 0.25 pi 3² x 12 in: 84.8 in³.
        QVERIFY(std::fabs(Held().sdActVolDisplacement.GetValue("CU_IN") - 84.823) < 0.001);
        QVERIFY(Held().sdPolyTropicExponentCharging.Value() > 0.0);
    }
};

QTEST_MAIN(CApplicationSelectionsTest)
#include "ApplicationSelectionsTest.moc"
