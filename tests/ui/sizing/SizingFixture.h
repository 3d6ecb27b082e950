// An accumulator product object whose "Describe Application" runs the sizing dialogs, scripted by title.
#pragma once

#include "../products/ProductFixture.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "sizing/DescribeApplication.h"
#include "sizing/SupPumpFlow.h"
#include "sizing/SupPumpSelCalcMethod.h"
#include "sizing/SuppPumpActVolDispTime.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <map>

class CSizingSteps : public CAccumulatorSteps
{
public:
    int DescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                            CAccumulatorData& result) override
    {
        CDescribeApplication dialog(product, working, result);
        return GetDialogRunner().Run(dialog);
    }
};

// Accumulators chosen on the built catalogue; the current selection is at level 0.
struct SAccumulators
{
    SAccumulators()
    {
        product.Initialize();
        product.PerformButtonAction(100);
    }
    CAccumulatorData& Current() { return *product.AccumulatorData(); }

    CUnitsHost host;
    CSizingSteps steps;
    CAccumulatorObject product{host, steps};
};

// The user's hands: nested dialogs answered by title; one without a script is cancelled.
class CChainScript
{
public:
    using FnStep = std::function<int(QDialog&)>;

    CChainScript()
    {
        m_runner.m_fnScript = [this](QDialog& dialog)
        {
            const auto it = m_steps.find(dialog.windowTitle());
            return it == m_steps.end() ? dlg::Cancel : it->second(dialog);
        };
    }
    FnStep& operator[](const QString& strTitle) { return m_steps[strTitle]; }
    const QStringList& Titles() const { return m_runner.m_titles; }

private:
    CScriptedRunner m_runner;
    std::map<QString, FnStep> m_steps;
};

// Presses OK; a dialog that stays open is then left with Escape, as a user gives up.
inline int PressOk(QDialog& dialog)
{
    FindButton(dialog, QStringLiteral("OK"))->click();
    if (dialog.result() == 0)
        dialog.reject();
    return dialog.result();
}

inline void Enter(CEditNumeric* pEdit, const QString& strText)
{
    pEdit->selectAll();
    if (strText.isEmpty())
        pEdit->clear();
    else
        QVERIFY(pEdit->InsertTyped(strText));
}

// The refused entry's control has the focus with its whole text selected.
inline bool FocusedAndSelected(QDialog& dialog, QLineEdit* pEdit)
{
    return dialog.focusWidget() == pEdit && pEdit->selectedText() == pEdit->text();
}

// OK pressed: refused with one message, the dialog open, the control focused (a field with its whole
// text selected). Which message, and in which order the checks come, the core's boundary tests pin.
inline bool RefusedAt(QDialog& dialog, CRecordingPrompt& prompt, QWidget* pControl)
{
    prompt.Clear();
    FindButton(dialog, "OK")->click();
    if (prompt.Texts().size() != 1)
        qWarning("said %zu messages", prompt.Texts().size());
    auto* pEdit = qobject_cast<QLineEdit*>(pControl);
    return dialog.result() == 0 && prompt.Texts().size() == 1 &&
           (pEdit ? FocusedAndSelected(dialog, pEdit) : dialog.focusWidget() == pControl);
}

// A working copy as "Describe Application" gets it, and the result copy.
struct SWorkingCopies
{
    SAccumulators s;
    CAccumulatorData working{s.Current()};
    CAccumulatorData stored{s.Current()};

    SWorkingCopies()
    {
        working.Initialize(1);
        stored.Initialize(1);
    }
};

inline bool Says(CRecordingPrompt& prompt, const std::string& strPart)
{
    return !prompt.Texts().empty() && prompt.Texts().back().find(strPart) != std::string::npos;
}

// Supplementing pump flow by calculation method nMethod (0 the actuator's displacement, here 385 in³
// over 5 s and 5 s; 1 cylinders, scripted by the test): 10 gpm, 3000 psi, the given minimum, 70 °F.
inline void ScriptPumpFlow(CChainScript& script, int nMethod, const char* pszMinimum)
{
    script["Describe Application"] = [](QDialog& d)
    {
        static_cast<CDescribeApplication&>(d).ApplicationButton(1)->setChecked(true);
        return PressOk(d);
    };
    script["Select a Calculation Method"] = [nMethod](QDialog& d)
    {
        static_cast<CSupPumpSelCalcMethod&>(d).MethodButton(nMethod)->setChecked(true);
        return PressOk(d);
    };
    script["Actuator Volumetric Displacement and Times"] = [](QDialog& d)
    {
        auto& a = static_cast<CSuppPumpActVolDispTime&>(d);
        Enter(a.Volume(), "385");
        Enter(a.ActuationTime(), "5");
        Enter(a.DwellTime(), "5");
        return PressOk(d);
    };
    script["Supplementing Pump Flow"] = [pszMinimum](QDialog& d)
    {
        auto& f = static_cast<CSupPumpFlow&>(d);
        Enter(f.PumpSize(), "10");
        Enter(f.MaxPressure(), "3000");
        Enter(f.MinPressure(), pszMinimum);
        Enter(f.Temperature(), "70");
        return PressOk(d);
    };
    script["Results"] = PressOk;
}
