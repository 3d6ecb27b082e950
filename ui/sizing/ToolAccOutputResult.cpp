// The output tool's results: each value in its units, or zeros and the notice.
#include "sizing/ToolAccOutputResult.h"

#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "product/StepDialogs.h"
#include "units/NumberFormat.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CToolAccOutputResult::CToolAccOutputResult(CAccumulatorObject& product, const std::string& strCaption,
                                           const sizing::SOutputExistingOutcome& outcome, QWidget* pParent)
    : CEntryDialog(product, QCoreApplication::translate("CToolAccOutputResult", "Results"),
                   "CToolAccOutputResult", pParent)
{
    m_pCaption = new QLabel(strCaption.empty() ? QCoreApplication::translate("CToolAccOutputResult",
                                                                             "Required Accumulator Capacity:")
                                               : QString::fromStdString(strCaption));
    m_pCaption->setAccessibleName(m_pCaption->text());
    const QString strPrecharge = QCoreApplication::translate("CToolAccOutputResult", "Precharge Pressure:");
    const QString strExponent = QCoreApplication::translate("CToolAccOutputResult", "Polytropic Exponent:");
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i] = ValueText(i < 3 ? m_pCaption->text() : i < 5 ? strPrecharge : strExponent);

    // Nothing delivered: zeros in the same units and the precharge as it was used.
    const bool bDelivers = outcome.output.Value() > 0.0;
    const CUnitDouble output = bDelivers ? outcome.output : CUnitDouble(0.0, "CU_IN");
    m_values[0]->SetValueIn(output, "CU_IN", 1, false, true);
    m_values[1]->SetValueIn(output, "GAL", 2, false, true);
    m_values[2]->SetValueIn(output, "L", 2, false, true);
    m_values[3]->SetValueIn(outcome.precharge, "PSIG", 0, false, true);
    m_values[4]->SetValueIn(outcome.precharge, "BARG", 1, false, true);
    m_values[5]->setText(QString::fromStdString(FormatExponent(bDelivers ? outcome.dExponent : 0.0)));
    for (std::size_t i = 0; i < m_values.size(); ++i)
        NameAfterText(m_values[i], i < 3 ? m_pCaption->text() : i < 5 ? strPrecharge : strExponent);

    auto* pGrid = new QGridLayout;
    pGrid->setHorizontalSpacing(18);
    pGrid->addWidget(m_pCaption, 0, 0);
    pGrid->addWidget(Caption(strPrecharge), 1, 0);
    pGrid->addWidget(Caption(strExponent), 2, 0);
    for (int i = 0; i < 3; ++i)
        pGrid->addWidget(m_values[static_cast<std::size_t>(i)], 0, i + 1, Qt::AlignRight);
    pGrid->addWidget(m_values[3], 1, 1, Qt::AlignRight);
    pGrid->addWidget(m_values[4], 1, 2, Qt::AlignRight);
    pGrid->addWidget(m_values[5], 2, 1, Qt::AlignRight);
    SetContent(pGrid, false);
    // Enter accepts the results.
    OkButton()->setFocus();

    if (!bDelivers && !outcome.strNotice.empty())
        GetPrompt().Message(outcome.strNotice);
}

void CToolAccOutputResult::OnOk()
{
    done(dlg::Ok);
}
