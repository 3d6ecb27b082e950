// The sizing chains run by "Describe Application": what reaches the selection on OK, Cancel and 2100.
#include "SizingFixture.h"
#include "sizing/ReqAccCapSize.h"
#include "sizing/SizeApplication.h"
#include "sizing/SupPumpCylDimensions.h"
#include "sizing/SupPumpFlow.h"
#include "sizing/SupPumpSelCalcMethod.h"
#include "sizing/SuppPumpActVolDispTime.h"

#include <QRadioButton>
#include <QtTest>

namespace
{
const QString kDescribe = QStringLiteral("Describe Application");
const QString kCapacity = QStringLiteral("Required Accumulator Capacity / Size");
const QString kCylinders = QStringLiteral("Cylinder Dimensions");
const QString kPumpFlow = QStringLiteral("Supplementing Pump Flow");
const QString kResults = QStringLiteral("Results");

// Supplementing pump flow, the application and method chosen, the pump dialog's entries made.
void ScriptPumpFlow(CChainScript& script, int nMethod, const char* pszMinimum)
{
    script[kDescribe] = [](QDialog& d)
    {
        static_cast<CDescribeApplication&>(d).ApplicationButton(1)->setChecked(true);
        return PressOk(d);
    };
    script["Select a Calculation Method"] = [nMethod](QDialog& d)
    {
        static_cast<CSupPumpSelCalcMethod&>(d).MethodButton(nMethod)->setChecked(true);
        return PressOk(d);
    };
    script[kPumpFlow] = [pszMinimum](QDialog& d)
    {
        auto& f = static_cast<CSupPumpFlow&>(d);
        Enter(f.PumpSize(), "10");
        Enter(f.MaxPressure(), "3000");
        Enter(f.MinPressure(), pszMinimum);
        Enter(f.Temperature(), "70");
        return PressOk(d);
    };
    script[kResults] = PressOk;
}

// Retract strokes of two 4 x 2 x 10 in cylinders.
int Cylinders(QDialog& d)
{
    auto& c = static_cast<CSupPumpCylDimensions&>(d);
    for (auto [pEdit, pszText] : {std::pair{c.Bore(), "4"},
                                  {c.Rod(), "2"},
                                  {c.Stroke(), "10"},
                                  {c.Cylinders(), "2"},
                                  {c.ActuationTime(), "2"},
                                  {c.DwellTime(), "8"}})
        Enter(pEdit, pszText);
    c.StrokeButton(1)->setChecked(true);
    return PressOk(d);
}
} // namespace

class CSizingChainTest : public QObject
{
    Q_OBJECT

private slots:
    void KnownCapacityIsAcceptedAskedAboutAndAnUnchangedRerunEnds2100()
    {
        CPromptCapture prompt;
        SAccumulators s;
        CChainScript script;
        script[kDescribe] = PressOk; // the first application is preselected
        script[kCapacity] = [](QDialog& d)
        {
            auto& c = static_cast<CReqAccCapSize&>(d);
            Enter(c.Capacity(), "250");
            c.CapacityUnit()->SelectUnit("L");
            Enter(c.Pressure(), "3000");
            return PressOk(d);
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        QCOMPARE(s.Current().strApplicationText, std::string("I know the required accumulator capacity"));
        QCOMPARE(s.Current().deSelectApp, 0);
        QVERIFY(s.Current().sdRequiredAccumulatorVol.IsIdentical(CUnitDouble(250.0, "L")));
        QVERIFY(s.Current().sdMaxSysPress.IsIdentical(CUnitDouble(3000.0, "PSIG")));
        QCOMPARE(s.Current().m_nLevel, 1);
        QVERIFY(prompt->Texts().empty());

        // Reopened, the entries are there; OK on them changes nothing.
        script[kCapacity] = [](QDialog& d)
        {
            auto& c = static_cast<CReqAccCapSize&>(d);
            const bool bShown =
                c.Capacity()->text() == "250" && c.CapacityUnit()->GetSelectedUnitCode() == "L";
            return bShown ? PressOk(d) : dlg::Cancel;
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::CloseChain);

        // A chosen model would be lost: Cancel keeps the dialog open, No ends it, Yes accepts.
        s.Current().m_nLevel = 2;
        s.Current().strAccumulatorDesc = "Piston accumulator";
        script[kCapacity] = [](QDialog& d)
        {
            Enter(static_cast<CReqAccCapSize&>(d).Capacity(), "100");
            FindButton(d, "OK")->click();
            return d.result() == 0 ? PressOk(d) : dlg::Cancel;
        };
        prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Cancel);
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QCOMPARE(s.Current().m_nLevel, 2);
        prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::Yes});
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        QCOMPARE(s.Current().m_nLevel, 1);
        QVERIFY(s.Current().strAccumulatorDesc.empty());
        QCOMPARE(s.Current().sdRequiredAccumulatorVol.Value(), 100.0);
    }

    void CylinderChainStoresWhatEachDialogAcceptedAndReopensWithIt()
    {
        CPromptCapture prompt;
        SAccumulators s;
        CChainScript script;
        ScriptPumpFlow(script, 1, "2000");
        script[kCylinders] = Cylinders;
        // Results cancelled: each dialog stays open until the user leaves it; nothing is kept.
        script[kResults] = [](QDialog& d)
        {
            d.reject();
            return d.result();
        };
        const CAccumulatorData before(s.Current());
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Cancel);
        QVERIFY(s.Current().IsEqual(before));

        script[kResults] = PressOk;
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        QVERIFY(prompt->Texts().empty());
        // The engine, run again on the accepted entries, computes what the chain stored.
        CAccumulatorData expected(s.Current());
        for (CUnitDouble* pResult : {&expected.sdActVolDisplacement, &expected.sdMinPumpFlow,
                                     &expected.sdPrechargePress, &expected.sdRequiredAccumulatorVol})
            pResult->SetValue(0.0);
        QVERIFY(!sizing::SizeApplication(expected, s.product.Messages(), false).Refused());
        QVERIFY(expected.sdRequiredAccumulatorVol.Value() > 0.0);
        QVERIFY(s.Current().IsEqual(expected));
        QCOMPARE(s.Current().deSelectCalcMethod, 1);

        // Reopened: every dialog shows the accepted entries; OK through them changes nothing.
        QStringList shown;
        script[kCylinders] = [&](QDialog& d)
        {
            auto& c = static_cast<CSupPumpCylDimensions&>(d);
            for (CEditNumeric* pEdit :
                 {c.Bore(), c.Rod(), c.Stroke(), c.Cylinders(), c.ActuationTime(), c.DwellTime()})
                shown << pEdit->text();
            return c.StrokeButton(1)->isChecked() ? PressOk(d) : dlg::Cancel;
        };
        script[kPumpFlow] = [&](QDialog& d)
        {
            auto& f = static_cast<CSupPumpFlow&>(d);
            for (CEditNumeric* pEdit : {f.PumpSize(), f.MaxPressure(), f.MinPressure(), f.Temperature()})
                shown << pEdit->text();
            return PressOk(d);
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::CloseChain);
        QCOMPARE(shown, QStringList({"4", "2", "10", "2", "2", "8", "10", "3000", "2000", "70"}));
    }

    void DisplacementChainStoresTheVolumeTimesAndMinimumPump()
    {
        CPromptCapture prompt;
        SAccumulators s;
        CChainScript script;
        ScriptPumpFlow(script, 0, "1500");
        script["Actuator Volumetric Displacement and Times"] = [](QDialog& d)
        {
            auto& a = static_cast<CSuppPumpActVolDispTime&>(d);
            Enter(a.Volume(), "385");
            Enter(a.ActuationTime(), "5");
            Enter(a.DwellTime(), "5");
            return PressOk(d);
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        const CAccumulatorData& c = s.Current();
        QCOMPARE(c.deSelectCalcMethod, 0);
        QVERIFY(c.sdActVolDisplacement.IsIdentical(CUnitDouble(385.0, "CU_IN")));
        QVERIFY(c.sdDwellTime.IsIdentical(CUnitDouble(5.0, "SEC")));
        QCOMPARE(c.sdMinPumpFlow.GetUnit(), std::string("GPM"));
        QVERIFY(std::fabs(c.sdMinPumpFlow.Value() - 10.0) < 1e-9);
        QVERIFY(std::fabs(c.sdPrechargePress.GetValue("PSIG") - 1400.0) < 1e-9); // the piston optimum
        QVERIFY(c.sdRequiredAccumulatorVol.Value() > 0.0);
    }
};

QTEST_MAIN(CSizingChainTest)
#include "SizingChainTest.moc"
