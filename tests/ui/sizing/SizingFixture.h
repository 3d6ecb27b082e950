// An accumulator product object whose "Describe Application" runs the sizing dialogs, scripted by title.
#pragma once

#include "../products/ProductFixture.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "sizing/DescribeApplication.h"

#include <QPushButton>
#include <QtTest>

#include <map>

class CSizingSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        product.SetProduct(prod::Accumulator, "Accumulators", std::string());
        return dlg::Ok;
    }
    int DescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                            CAccumulatorData& result) override
    {
        CDescribeApplication dialog(product, working, result);
        return GetDialogRunner().Run(dialog);
    }
    int ChooseModel(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    void RunTool(CAccumulatorObject&, int) override {}
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
