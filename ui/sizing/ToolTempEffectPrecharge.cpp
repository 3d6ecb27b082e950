// "Effects of Temperature on Pre-charge": entries, the known pressure, checks and the result.
#include "sizing/ToolTempEffectPrecharge.h"

#include "app/DialogRunner.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/ToolEffectTempPrechgResult.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CToolTempEffectPrecharge::CToolTempEffectPrecharge(CAccumulatorObject& product, QWidget* pParent)
    : CEntryDialog(
          product,
          QCoreApplication::translate("CToolTempEffectPrecharge", "Effects of Temperature on Pre-charge"),
          "CToolTempEffectPrecharge", pParent),
      m_pKnown(new QButtonGroup(this))
{
    const QString strBegin =
        QCoreApplication::translate("CToolTempEffectPrecharge", "Beginning Temperature:");
    const QString strFinal = QCoreApplication::translate("CToolTempEffectPrecharge", "Final Temperature:");
    const QString strBeginPressure =
        QCoreApplication::translate("CToolTempEffectPrecharge", "Beginning Pressure:");
    const QString strFinalPressure =
        QCoreApplication::translate("CToolTempEffectPrecharge", "Final Pressure:");

    m_pBeginTemp = NumberEdit(strBegin);
    m_pFinalTemp = NumberEdit(strFinal);
    m_pBeginTemp->SetAllowMinus(true);
    m_pFinalTemp->SetAllowMinus(true);
    m_pTemperatureUnit =
        UnitCombo(CUnitDouble(0.0, product.DefaultUnit(UnitCategory::Temperature)), UnitCategory::Temperature,
                  QCoreApplication::translate("CToolTempEffectPrecharge", "Temperature unit"));
    m_pBeginPressure = NumberEdit(strBeginPressure);
    m_pFinalPressure = NumberEdit(strFinalPressure);
    m_pPressureUnit =
        UnitCombo(CUnitDouble(0.0, product.DefaultUnit(UnitCategory::Pressure)), UnitCategory::Pressure,
                  QCoreApplication::translate("CToolTempEffectPrecharge", "Pressure unit"));

    auto* pTemperatures = new QGroupBox(
        QCoreApplication::translate("CToolTempEffectPrecharge", "Enter your system temperatures"));
    pTemperatures->setAccessibleName(pTemperatures->title());
    auto* pTemperatureGrid = new QGridLayout(pTemperatures);
    pTemperatureGrid->addWidget(Caption(strBegin, m_pBeginTemp), 0, 0);
    pTemperatureGrid->addWidget(m_pBeginTemp, 0, 1);
    pTemperatureGrid->addWidget(m_pTemperatureUnit, 0, 2);
    pTemperatureGrid->addWidget(Caption(strFinal, m_pFinalTemp), 1, 0);
    pTemperatureGrid->addWidget(m_pFinalTemp, 1, 1);
    pTemperatureGrid->addWidget(FollowingUnit(m_pTemperatureUnit), 1, 2);

    auto* pHint = new QLabel(QStringLiteral(
        "Enter either your beginning or final pressure and Tesmara will calculate the other pressure."));
    pHint->setWordWrap(true);
    pHint->setAccessibleName(pHint->text());
    auto* pBeginChoice = new QRadioButton(strBeginPressure);
    auto* pFinalChoice = new QRadioButton(strFinalPressure);
    for (QRadioButton* pChoice : {pBeginChoice, pFinalChoice})
        pChoice->setAccessibleName(pChoice->text());
    m_pKnown->addButton(pBeginChoice, kBeginning);
    m_pKnown->addButton(pFinalChoice, kFinal);
    auto* pPressureGrid = new QGridLayout;
    pPressureGrid->addWidget(pBeginChoice, 0, 0);
    pPressureGrid->addWidget(m_pBeginPressure, 0, 1);
    pPressureGrid->addWidget(m_pPressureUnit, 0, 2);
    pPressureGrid->addWidget(pFinalChoice, 1, 0);
    pPressureGrid->addWidget(m_pFinalPressure, 1, 1);
    pPressureGrid->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);

    auto* pContent = new QVBoxLayout;
    pContent->addWidget(pTemperatures);
    pContent->addWidget(pHint);
    pContent->addLayout(pPressureGrid);
    SetContent(pContent);
    setTabOrder(m_pBeginTemp, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, m_pFinalTemp);
    setTabOrder(m_pFinalTemp, pBeginChoice);
    setTabOrder(pBeginChoice, m_pBeginPressure);
    setTabOrder(m_pBeginPressure, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, pFinalChoice);
    setTabOrder(pFinalChoice, m_pFinalPressure);

    MapField("beginTemperature", m_pBeginTemp);
    MapField("finalTemperature", m_pFinalTemp);
    MapField("beginPressure", m_pBeginPressure);
    MapField("finalPressure", m_pFinalPressure);

    // Nothing survives from one opening to the next: empty entries, the beginning pressure known.
    pBeginChoice->setChecked(true);
    m_pFinalPressure->setEnabled(false);
    connect(m_pKnown, &QButtonGroup::idClicked, this,
            [this](int nId)
            {
                CEditNumeric* pKnown = nId == kBeginning ? m_pBeginPressure : m_pFinalPressure;
                m_pBeginPressure->setEnabled(nId == kBeginning);
                m_pFinalPressure->setEnabled(nId == kFinal);
                pKnown->setFocus();
                pKnown->selectAll();
            });
    m_pBeginTemp->setFocus();
}

QRadioButton* CToolTempEffectPrecharge::KnownPressure(int nWhich) const
{
    return qobject_cast<QRadioButton*>(m_pKnown->button(nWhich));
}

sizing::STemperatureToolEntries CToolTempEffectPrecharge::Entries() const
{
    const std::string strTemperature = m_pTemperatureUnit->GetSelectedUnitCode();
    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    sizing::STemperatureToolEntries e;
    e.beginTemperature = CUnitDouble(m_pBeginTemp->GetDouble(), strTemperature);
    e.finalTemperature = CUnitDouble(m_pFinalTemp->GetDouble(), strTemperature);
    e.bBeginTemperatureEmpty = m_pBeginTemp->GetText().trimmed().isEmpty();
    e.bFinalTemperatureEmpty = m_pFinalTemp->GetText().trimmed().isEmpty();
    // Both entries are read; only the one whose choice is checked is taken as known.
    e.beginPressure = CUnitDouble(m_pBeginPressure->GetDouble(), strPressure);
    e.finalPressure = CUnitDouble(m_pFinalPressure->GetDouble(), strPressure);
    e.eKnown =
        m_pKnown->checkedId() == kFinal ? sizing::EKnownPressure::Final : sizing::EKnownPressure::Beginning;
    return e;
}

void CToolTempEffectPrecharge::OnOk()
{
    const sizing::STemperatureToolEntries entries = Entries();
    const sizing::STemperatureToolOutcome outcome =
        sizing::TemperaturePrechargeTool(entries, m_product.Messages());
    if (outcome.failure)
    {
        ShowFailure(*outcome.failure);
        return;
    }
    if (outcome.eStatus == sizing::ESizingStatus::CannotCompute)
    {
        GetPrompt().Message(
            QCoreApplication::translate("CToolTempEffectPrecharge",
                                        "The pressure cannot be computed with these entries: %1.")
                .arg(QString::fromStdString(outcome.strReason))
                .toStdString());
        return;
    }
    CToolEffectTempPrechgResult results(m_product, entries.beginTemperature, entries.finalTemperature,
                                        outcome.beginPressure, outcome.finalPressure, this);
    if (GetDialogRunner().Run(results) == dlg::Ok)
        done(dlg::Ok);
}
