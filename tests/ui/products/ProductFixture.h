// A real accumulator product object on the built catalogue, with a host, step dialogs, a dialog runner and
// the helpers that press their buttons, for tests.
#pragma once

#include "RecordingPrompt.h"
#include "TestHost.h"
#include "app/DialogRunner.h"
#include "controls/CodeComboBox.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "products/ChooseProduct.h"
#include "units/DefaultUnits.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include <functional>

// Step dialogs that choose accumulators and cancel every later step; a test overrides the steps it
// scripts.
class CAccumulatorSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        product.SetProduct(prod::Accumulator, "Accumulators", std::string());
        return dlg::Ok;
    }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
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

// The U.S. standard units, as a fresh installation has them, so reset fields carry real units.
class CUnitsHost : public CTestHost
{
public:
    std::string DefaultUnit(int nCategoryId) const override
    {
        return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
    }
};

// Answers every dialog opened through the runner with a script, and remembers their titles.
class CScriptedRunner : public IDialogRunner
{
public:
    CScriptedRunner() : m_pPrevious(SetDialogRunner(this)) {}
    ~CScriptedRunner() override { SetDialogRunner(m_pPrevious); }

    int Run(QDialog& dialog) override
    {
        m_titles << dialog.windowTitle();
        return m_fnScript ? m_fnScript(dialog) : dlg::Cancel;
    }

    std::function<int(QDialog&)> m_fnScript;
    QStringList m_titles;

private:
    IDialogRunner* m_pPrevious;
};

// A push button of a window by its accessible name.
inline QPushButton* FindButton(QWidget& parent, const QString& strName)
{
    for (QPushButton* pButton : parent.findChildren<QPushButton*>())
        if (pButton->accessibleName() == strName)
            return pButton;
    return nullptr;
}

// Highlights a product type in "Choose Product" and presses OK.
inline int ChooseProductType(QDialog& dialog, const QString& strType)
{
    auto& choose = static_cast<CChooseProduct&>(dialog);
    const QList<QListWidgetItem*> items = choose.ProductList()->findItems(strType, Qt::MatchExactly);
    if (items.size() != 1)
        return dlg::Cancel;
    choose.ProductList()->setCurrentItem(items.front());
    FindButton(choose, QStringLiteral("OK"))->click();
    return choose.result();
}

// Selects the item of a code box by its code; false when the box does not offer it.
inline bool SelectCode(CCodeComboBox* pBox, const QString& strCode)
{
    const int nIndex = pBox->FindCode(strCode);
    pBox->setCurrentIndex(nIndex);
    return nIndex >= 0;
}
