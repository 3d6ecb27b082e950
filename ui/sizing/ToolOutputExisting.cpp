// "Calculate the Output of Existing Accumulator": entries, optimum precharges, checks and the result.
#include "sizing/ToolOutputExisting.h"

#include "app/DialogRunner.h"
#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/OutputExisting.h"
#include "sizing/ToolAccOutputResult.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const char* const kIHaveText = QT_TRANSLATE_NOOP("CToolOutputExisting", "I have a Precharge Pressure of:");
const char* const kPistonText = QT_TRANSLATE_NOOP("CToolOutputExisting", "For a Piston Accumulator:");
const char* const kBladderText =
    QT_TRANSLATE_NOOP("CToolOutputExisting", "For a Bladder / Diaphragm Accumulator:");

QRadioButton* Choice(const QString& strText, QButtonGroup* pGroup, int nId)
{
    auto* pButton = new QRadioButton(strText);
    pButton->setAccessibleName(strText);
    pGroup->addButton(pButton, nId);
    return pButton;
}

// A value of the category in the user's default unit.
CUnitDouble Zero(CAccumulatorObject& product, int nCategory)
{
    return CUnitDouble(0.0, product.DefaultUnit(nCategory));
}
} // namespace

CToolOutputExisting::CToolOutputExisting(CAccumulatorObject& product, QWidget* pParent)
    : CEntryDialog(
          product,
          QCoreApplication::translate("CToolOutputExisting", "Calculate the Output of Existing Accumulator"),
          "CToolOutputExisting", pParent),
      m_pChoice(new QButtonGroup(this))
{
    const QString strMax = QCoreApplication::translate("CToolOutputExisting", "Maximum System Pressure:");
    const QString strMin = QCoreApplication::translate("CToolOutputExisting", "Minimum System Pressure:");
    const QString strTime = QCoreApplication::translate("CToolOutputExisting", "Discharge Time:");
    const QString strVolume = QCoreApplication::translate("CToolOutputExisting", "Accumulator Volume:");
    const QString strTemperature = QCoreApplication::translate("CToolOutputExisting", "Estimated:");

    m_pMax = NumberEdit(strMax);
    m_pPressureUnit = UnitCombo(Zero(product, UnitCategory::Pressure), UnitCategory::Pressure,
                                QCoreApplication::translate("CToolOutputExisting", "Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pMinUnit = FollowingUnit(m_pPressureUnit);
    m_pTime = NumberEdit(strTime);
    m_pVolume = NumberEdit(strVolume);
    m_pVolumeUnit = UnitCombo(Zero(product, UnitCategory::Volume), UnitCategory::Volume,
                              QCoreApplication::translate("CToolOutputExisting", "Accumulator Volume unit"));
    m_pTemperature = NumberEdit(strTemperature);
    m_pTemperature->SetAllowMinus(true);
    m_pTemperatureUnit =
        UnitCombo(Zero(product, UnitCategory::Temperature), UnitCategory::Temperature,
                  QCoreApplication::translate("CToolOutputExisting", "System Temperature unit"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strMax, m_pMax), 0, 0);
    pGrid->addWidget(m_pMax, 0, 1);
    pGrid->addWidget(m_pPressureUnit, 0, 2);
    pGrid->addWidget(Caption(strMin, m_pMin), 1, 0);
    pGrid->addWidget(m_pMin, 1, 1);
    pGrid->addWidget(m_pMinUnit, 1, 2);
    pGrid->addWidget(Caption(strTime, m_pTime), 2, 0);
    pGrid->addWidget(m_pTime, 2, 1);
    pGrid->addWidget(new QLabel(QStringLiteral("sec.")), 2, 2);
    pGrid->addWidget(Caption(strVolume, m_pVolume), 3, 0);
    pGrid->addWidget(m_pVolume, 3, 1);
    pGrid->addWidget(m_pVolumeUnit, 3, 2);
    auto* pTemperatureBox =
        new QGroupBox(QCoreApplication::translate("CToolOutputExisting", "System Temperature"));
    pTemperatureBox->setAccessibleName(pTemperatureBox->title());
    auto* pTemperatureRow = new QHBoxLayout(pTemperatureBox);
    pTemperatureRow->addWidget(Caption(strTemperature, m_pTemperature));
    pTemperatureRow->addWidget(m_pTemperature);
    pTemperatureRow->addWidget(m_pTemperatureUnit);
    pTemperatureRow->addStretch();
    // Two entries would otherwise share the name "Estimated".
    m_pTemperature->setAccessibleName(
        QCoreApplication::translate("CToolOutputExisting", "Estimated System Temperature"));

    auto* pPrechargeBox =
        new QGroupBox(QCoreApplication::translate("CToolOutputExisting", "Precharge Pressure"));
    pPrechargeBox->setAccessibleName(pPrechargeBox->title());
    m_pPrecharge = NumberEdit(QCoreApplication::translate("CToolOutputExisting", kIHaveText));
    m_pPistonOptimum = ValueText(QCoreApplication::translate("CToolOutputExisting", kPistonText));
    m_pBladderOptimum = ValueText(QCoreApplication::translate("CToolOutputExisting", kBladderText));
    QRadioButton* pIHave =
        Choice(QCoreApplication::translate("CToolOutputExisting", kIHaveText), m_pChoice, kIHave);
    auto* pPrechargeGrid = new QGridLayout(pPrechargeBox);
    pPrechargeGrid->addWidget(pIHave, 0, 0);
    pPrechargeGrid->addWidget(m_pPrecharge, 0, 1);
    pPrechargeGrid->addWidget(FollowingUnit(m_pPressureUnit), 0, 2);
    pPrechargeGrid->addWidget(new QLabel(QCoreApplication::translate(
                                  "CToolOutputExisting", "Tesmara optimizes the Precharge Pressure:")),
                              1, 0, 1, 3);
    pPrechargeGrid->addWidget(
        Choice(QCoreApplication::translate("CToolOutputExisting", kPistonText), m_pChoice, kPiston), 2, 0);
    pPrechargeGrid->addWidget(m_pPistonOptimum, 2, 1, 1, 2);
    pPrechargeGrid->addWidget(
        Choice(QCoreApplication::translate("CToolOutputExisting", kBladderText), m_pChoice, kBladder), 3, 0);
    pPrechargeGrid->addWidget(m_pBladderOptimum, 3, 1, 1, 2);
    pPrechargeGrid->setColumnStretch(2, 1);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pTemperatureBox);
    pContent->addWidget(pPrechargeBox);
    SetContent(pContent);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pTime);
    setTabOrder(m_pTime, m_pVolume);
    setTabOrder(m_pVolume, m_pVolumeUnit);
    setTabOrder(m_pVolumeUnit, m_pTemperature);
    setTabOrder(m_pTemperature, m_pTemperatureUnit);
    setTabOrder(m_pTemperatureUnit, pIHave);
    setTabOrder(pIHave, m_pPrecharge);

    MapField("maximum", m_pMax);
    MapField("minimum", m_pMin);
    MapField("dischargeTime", m_pTime);
    MapField("volume", m_pVolume);
    MapField("temperature", m_pTemperature);
    MapField("precharge", m_pPrecharge);

    // Nothing survives from one opening to the next: the piston optimum, empty entries.
    PrechargeChoice(kPiston)->setChecked(true);
    m_pPrecharge->setEnabled(false);
    RecomputeOptima();
    connect(m_pMin, &QLineEdit::textChanged, this, &CToolOutputExisting::RecomputeOptima);
    connect(m_pPressureUnit, &QComboBox::currentIndexChanged, this, &CToolOutputExisting::RecomputeOptima);
    connect(m_pChoice, &QButtonGroup::idClicked, this,
            [this](int nId)
            {
                m_pPrecharge->setEnabled(nId == kIHave);
                if (nId == kIHave)
                {
                    m_pPrecharge->setFocus();
                    m_pPrecharge->selectAll();
                }
            });
    m_pMax->setFocus();
}

QRadioButton* CToolOutputExisting::PrechargeChoice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pChoice->button(nChoice));
}

void CToolOutputExisting::RecomputeOptima()
{
    const std::string strUnit = m_pPressureUnit->GetSelectedUnitCode();
    if (strUnit.empty())
        return;
    const sizing::SPrechargePair optima =
        sizing::OutputExistingOptimalPrecharges(CUnitDouble(m_pMin->GetDouble(), strUnit));
    // Without a minimum pressure there is nothing to optimise; a number would only mislead.
    if (m_pMin->GetDouble() > 0.0)
    {
        m_pPistonOptimum->SetValue(optima.piston, 1, false, true);
        m_pBladderOptimum->SetValue(optima.bladder, 1, false, true);
    }
    else
    {
        m_pPistonOptimum->clear();
        m_pBladderOptimum->clear();
    }
    NameAfterText(m_pPistonOptimum, QCoreApplication::translate("CToolOutputExisting", kPistonText));
    NameAfterText(m_pBladderOptimum, QCoreApplication::translate("CToolOutputExisting", kBladderText));
}

sizing::SOutputExistingEntries CToolOutputExisting::Entries() const
{
    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    sizing::SOutputExistingEntries e;
    e.maximum = CUnitDouble(m_pMax->GetDouble(), strPressure);
    e.minimum = CUnitDouble(m_pMin->GetDouble(), strPressure);
    e.dischargeTime = CUnitDouble(m_pTime->GetDouble(), "SEC");
    e.volume = CUnitDouble(m_pVolume->GetDouble(), m_pVolumeUnit->GetSelectedUnitCode());
    e.temperature = CUnitDouble(m_pTemperature->GetDouble(), m_pTemperatureUnit->GetSelectedUnitCode());
    switch (m_pChoice->checkedId())
    {
    case kIHave:
        e.ePrecharge = sizing::EToolPrecharge::Entered;
        e.enteredPrecharge = CUnitDouble(m_pPrecharge->GetDouble(), strPressure);
        break;
    case kBladder:
        e.ePrecharge = sizing::EToolPrecharge::Bladder;
        break;
    default:
        e.ePrecharge = sizing::EToolPrecharge::Piston;
        break;
    }
    return e;
}

void CToolOutputExisting::OnOk()
{
    const sizing::SOutputExistingOutcome outcome =
        sizing::OutputOfExistingTool(Entries(), m_product.Messages());
    if (outcome.failure)
    {
        ShowFailure(*outcome.failure);
        return;
    }
    if (outcome.eStatus == sizing::ESizingStatus::CannotCompute)
    {
        GetPrompt().Message(
            QCoreApplication::translate("CToolOutputExisting",
                                        "The output cannot be computed with these entries: %1.")
                .arg(QString::fromStdString(outcome.strReason))
                .toStdString());
        return;
    }
    CToolAccOutputResult results(m_product, LoadString(50066), outcome, this);
    if (GetDialogRunner().Run(results) == dlg::Ok)
        done(dlg::Ok);
}
