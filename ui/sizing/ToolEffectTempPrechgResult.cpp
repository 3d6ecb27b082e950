// The temperature tool's results: each value with two decimals and its unit.
#include "sizing/ToolEffectTempPrechgResult.h"

#include "controls/StaticNumeric.h"
#include "product/StepDialogs.h"
#include "units/UnitDouble.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>

CToolEffectTempPrechgResult::CToolEffectTempPrechgResult(CAccumulatorObject& product,
                                                         const CUnitDouble& beginTemperature,
                                                         const CUnitDouble& finalTemperature,
                                                         const CUnitDouble& beginPressure,
                                                         const CUnitDouble& finalPressure, QWidget* pParent)
    : CEntryDialog(
          product,
          QCoreApplication::translate("CToolEffectTempPrechgResult", "Effects of Temperature on Precharge"),
          "CToolEffectTempPrechgResult", pParent)
{
    const QString captions[] = {
        QCoreApplication::translate("CToolEffectTempPrechgResult", "Beginning Temperature:"),
        QCoreApplication::translate("CToolEffectTempPrechgResult", "Final Temperature:"),
        QCoreApplication::translate("CToolEffectTempPrechgResult", "Beginning Pressure:"),
        QCoreApplication::translate("CToolEffectTempPrechgResult", "Final Pressure:")};
    const CUnitDouble* values[] = {&beginTemperature, &finalTemperature, &beginPressure, &finalPressure};
    auto* pGrid = new QGridLayout;
    for (int i = 0; i < 4; ++i)
    {
        CStaticNumeric*& pValue = m_values[static_cast<std::size_t>(i)];
        pValue = ValueText(captions[i]);
        pValue->SetValue(*values[i], 2, true, false);
        NameAfterText(pValue, captions[i]);
        pGrid->addWidget(Caption(captions[i]), i, 0);
        pGrid->addWidget(pValue, i, 1, Qt::AlignRight);
    }
    pGrid->setHorizontalSpacing(18);
    SetContent(pGrid, false);
    // Enter accepts the results.
    OkButton()->setFocus();
}

void CToolEffectTempPrechgResult::OnOk()
{
    done(dlg::Ok);
}
