// Each application other than supplementing pump flow through its chain of dialogs with realistic
// entries, to its results: what the accepted selection holds. (The desktop's whole selection, saved
// and opened again, is PistonSelectionTest's.)
#include "SizingFixture.h"
#include "sizing/AuxPowerSource.h"
#include "sizing/HoldingLeakage.h"
#include "sizing/ListCombo.h"
#include "sizing/PistonPumpPulsationDampening.h"
#include "sizing/PumpOverChoice.h"
#include "sizing/ShockPumpOverFixed.h"
#include "sizing/ShockSuppress.h"
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

void ChooseApplication(CChainScript& script, int nApp)
{
    script["Describe Application"] = [nApp](QDialog& d)
    {
        static_cast<CDescribeApplication&>(d).ApplicationButton(nApp)->setChecked(true);
        return PressOk(d);
    };
    script["Results"] = PressOk;
}

// A press held at 3000 / 2000 psig for 60 s at 70 °F, leaking through two 3/8 in valves; the
// optimal piston precharge.
void ScriptHolding(CChainScript& script)
{
    ChooseApplication(script, 4);
    script["Holding / Leakage Compensation"] = [](QDialog& d)
    {
        auto& h = static_cast<CHoldingLeakage&>(d);
        h.PressureUnit()->SelectUnit("PSIG");
        Enter(h.MaxPressure(), "3000");
        Enter(h.MinPressure(), "2000");
        Enter(h.HoldTime(), "60");
        Enter(h.Temperature(), "70");
        h.LeakageChoice(CHoldingLeakage::kEstimated)->click();
        Enter(h.Valves(), "2");
        if (!h.ValveSize()->SelectText("3/8 in (D03 / NG6)"))
            return dlg::Cancel;
        h.PrechargeGroup()->Choice(CPrechargeGroup::kPiston)->click();
        return PressOk(d);
    };
}

// Mineral oil at 50 gpm stopped in 50 ft of 1 in schedule 80 pipe, at 2000 psig, 2100 allowed.
void ScriptShockSuppression(CChainScript& script)
{
    ChooseApplication(script, 5);
    script["Shock Suppression"] = [](QDialog& d)
    {
        auto& s = static_cast<CShockSuppress&>(d);
        s.PressureUnit()->SelectUnit("PSIG");
        Enter(s.SystemPressure(), "2000");
        Enter(s.ShockPressure(), "2100");
        s.Fluid()->SelectText("Mineral Oil (ISO VG 32-68)");
        s.FlowUnit()->SelectUnit("GPM");
        Enter(s.Flow(), "50");
        s.LineType(1)->click();
        if (!s.NominalSize()->SelectText("1") || !s.Schedule()->SelectText("80"))
            return dlg::Cancel;
        s.LengthUnit()->SelectUnit("FT");
        Enter(s.Length(), "50");
        return PressOk(d);
    };
}

// A fixed pump of 50 gpm at 3000 psig behind a 3/4 in pilot-operated relief valve that opens in 0.04 s.
void ScriptPumpResponse(CChainScript& script)
{
    ChooseApplication(script, 7);
    script["Select Pump Type"] = [](QDialog& d)
    {
        static_cast<CPumpOverChoice&>(d).PumpType(0)->setChecked(true);
        return PressOk(d);
    };
    script["Shock Due to Fixed Displacement Pump"] = [](QDialog& d)
    {
        auto& f = static_cast<CShockPumpOverFixed&>(d);
        f.PressureUnit()->SelectUnit("PSIG");
        Enter(f.SystemPressure(), "3000");
        Enter(f.ShockPressure(), "3150");
        f.FlowUnit()->SelectUnit("GPM");
        Enter(f.Flow(), "50");
        f.OnFlowLeft();
        Enter(f.Temperature(), "70");
        if (!f.ReliefValve()->SelectText("Pilot-Operated, 3/4 in (to 60 gpm)"))
            return dlg::Cancel;
        Enter(f.ResponseTime(), "0.04");
        return PressOk(d);
    };
}

// A three-piston single-acting pump delivering 60 gpm at 1200 rpm, 3000 psig, 3100 allowed, 70 °F,
// with an entered precharge of 1500 psig.
void ScriptPulsation(CChainScript& script)
{
    ChooseApplication(script, 6);
    script["Piston Pump Pulsation Dampening"] = [](QDialog& d)
    {
        auto& p = static_cast<CPistonPumpPulsationDampening&>(d);
        p.PressureUnit()->SelectUnit("PSIG");
        Enter(p.SystemPressure(), "3000");
        Enter(p.ShockPressure(), "3100");
        Enter(p.Pistons(), "3");
        p.DisplacementChoice(0)->click();
        p.FlowUnit()->SelectUnit("GPM");
        Enter(p.Flow(), "60");
        Enter(p.Speed(), "1200");
        p.PumpAction(1)->click();
        Enter(p.Temperature(), "70");
        p.PrechargeChoice(1)->click();
        Enter(p.Precharge(), "1500");
        return PressOk(d);
    };
}
} // namespace

class CApplicationChainsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SAccumulators> m_pAccumulators;
    const CAccumulatorData& Held() { return m_pAccumulators->Current(); }

    // The chain scripted to its results: accepted without a message, the application named.
    void Select(CChainScript& script, const char* pszApplication)
    {
        CPromptCapture prompt;
        QCOMPARE(m_pAccumulators->product.OnDescribeApplication(), dlg::Ok);
        QCOMPARE(script.Titles().back(), QStringLiteral("Results"));
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
        QCOMPARE(Held().strApplicationText, std::string(pszApplication));
        QVERIFY(Held().sdRequiredAccumulatorVol.Value() > 0.0);
    }

private slots:
    void init() { m_pAccumulators = std::make_unique<SAccumulators>(); }
    void cleanup() { m_pAccumulators.reset(); }

    void MultipleEventsSelection()
    {
        CChainScript script;
        ScriptMultipleEvents(script);
        Select(script, "Supplementing Pump Flow - Multiple Events");
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
        Select(script, "Auxiliary Power Source");
        QCOMPARE(Held().deSelectCalcMethod, 1);
        // 0.25 pi 3² x 12 in: 84.8 in³.
        QVERIFY(std::fabs(Held().sdActVolDisplacement.GetValue("CU_IN") - 84.823) < 0.001);
    }

    void HoldingSelection()
    {
        CChainScript script;
        ScriptHolding(script);
        Select(script, "Holding / Leakage Compensation");
        QCOMPARE(Held().bHoldLeakageRateChoice, 0);
        QCOMPARE(Held().siHoldNoOfValves.Value(), 2);
        // The size the rate was estimated for is kept with it (a new selection has 3/4 in).
        QCOMPARE(Held().sdHoldValveSize.GetValue("IN"), 0.375);
        // Two valves at 3014.7 psia: 2 x (0.00198 P + 0.03 + 4e-7 P²) = 19.269 in³/min.
        QVERIFY(std::fabs(Held().sdHoldLeakageRate.GetValue("CU_IN_MIN") - 19.269) < 0.001);
        QCOMPARE(Held().sdHoldTimeHold.GetValue("SEC"), 60.0);
    }

    void ShockSuppressionSelection()
    {
        CChainScript script;
        ScriptShockSuppression(script);
        Select(script, "Shock Suppression");
        QCOMPARE(Held().bShockPipeOrTube, 1);
        QCOMPARE(Held().strShockNominalSize, std::string("1"));
        QCOMPARE(Held().strShockSchedule, std::string("80"));
        QCOMPARE(Held().dShockSchedule, 0.957);
        QCOMPARE(Held().strShockFluid, std::string("Mineral Oil (ISO VG 32-68)"));
        QCOMPARE(Held().dShockFluidDensity, 0.0314);
        // 60 % of the system pressure.
        QCOMPARE(Held().sdPrechargePress.GetValue("PSIG"), 1200.0);
    }

    void PumpResponseSelection()
    {
        CChainScript script;
        ScriptPumpResponse(script);
        Select(script, "Compensating for Shock Due to Component Response Time");
        QCOMPARE(Held().bShockVarOrFixed, 0);
        // The chosen valve and the response time in seconds reach the file.
        QCOMPARE(Held().sdShockReliefValve.Value(), 0.04);
        QCOMPARE(Held().sdShockResponseTime.GetUnit(), std::string("SEC"));
        QCOMPARE(Held().sdShockResponseTime.Value(), 0.04);
        // 85 % of the system pressure.
        QCOMPARE(Held().sdPrechargePress.GetValue("PSIG"), 2550.0);
    }

    void PulsationSelection()
    {
        CChainScript script;
        ScriptPulsation(script);
        Select(script, "Piston Pump Pulsation Dampening");
        QCOMPARE(Held().iPulsationNoOfPistInPump, 3);
        QCOMPARE(Held().bPulsationEnterPumpDispOrCalc, 0);
        QCOMPARE(Held().bPulsationSingleOrDoublePump, 1);
        // 60 gpm / 1200 rpm = 0.05 gal = 11.55 in³ per revolution.
        QVERIFY(std::fabs(Held().sdPulsationCalcDisplacement.GetValue("CU_IN_REV") - 11.55) < 0.001);
        QCOMPARE(Held().bPrechargeIHaveUseCalc, 1);
        // The volume is always computed with 60 % of the system pressure, and that is what is kept.
        QCOMPARE(Held().sdPrechargePress.GetValue("PSIG"), 1800.0);
    }
};

QTEST_MAIN(CApplicationChainsTest)
#include "ApplicationChainsTest.moc"
