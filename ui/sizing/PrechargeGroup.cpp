// The precharge group of the pressure dialogs: the choice, the entry and the optima beside it.
#include "sizing/PrechargeGroup.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/StaticNumeric.h"
#include "selection/ApplicationData.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingDialog.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace
{
const char* const kIHaveText = QT_TRANSLATE_NOOP("CPrechargeGroup", "I have a Precharge Pressure of:");
const char* const kPistonText = QT_TRANSLATE_NOOP("CPrechargeGroup", "For a Piston Accumulator:");
const char* const kHeading =
    QT_TRANSLATE_NOOP("CPrechargeGroup", "Use the calculated optimal Precharge Pressure:");
} // namespace

CPrechargeGroup::CPrechargeGroup(ERule eRule, const QString& strBladderCaption, bool bCalculatedHeading,
                                 QWidget* pParent)
    : QGroupBox(QCoreApplication::translate("CPrechargeGroup", "Precharge Pressure"), pParent),
      m_eRule(eRule), m_strBladderCaption(strBladderCaption), m_pChoices(new QButtonGroup(this))
{
    setAccessibleName(title());
    m_pPrecharge = CSizingDialog::NumberEdit(QCoreApplication::translate("CPrechargeGroup", kIHaveText));
    m_pPistonOptimum = CSizingDialog::ValueText(QCoreApplication::translate("CPrechargeGroup", kPistonText));
    m_pBladderOptimum = CSizingDialog::ValueText(strBladderCaption);
    m_pUnitLabel = new QLabel;
    const QString captions[] = {QCoreApplication::translate("CPrechargeGroup", kIHaveText),
                                QCoreApplication::translate("CPrechargeGroup", kPistonText),
                                strBladderCaption};
    QRadioButton* buttons[3];
    for (int i = 0; i < 3; ++i)
    {
        buttons[i] = new QRadioButton(captions[i]);
        buttons[i]->setAccessibleName(captions[i]);
        m_pChoices->addButton(buttons[i], i);
    }

    auto* pGrid = new QGridLayout(this);
    int nRow = 0;
    pGrid->addWidget(buttons[kIHave], nRow, 0);
    pGrid->addWidget(m_pPrecharge, nRow, 1);
    pGrid->addWidget(m_pUnitLabel, nRow++, 2);
    if (bCalculatedHeading)
        pGrid->addWidget(CSizingDialog::Caption(QCoreApplication::translate("CPrechargeGroup", kHeading)),
                         nRow++, 0, 1, 3);
    pGrid->addWidget(buttons[kPiston], nRow, 0);
    pGrid->addWidget(m_pPistonOptimum, nRow++, 1, 1, 2);
    pGrid->addWidget(buttons[kBladder], nRow, 0);
    pGrid->addWidget(m_pBladderOptimum, nRow, 1, 1, 2);
    pGrid->setColumnStretch(2, 1);

    connect(m_pChoices, &QButtonGroup::idClicked, this,
            [this](int nId)
            {
                m_pPrecharge->setEnabled(nId == kIHave);
                if (nId == kIHave)
                {
                    m_pPrecharge->setFocus();
                    m_pPrecharge->selectAll();
                }
            });
}

void CPrechargeGroup::FollowUnit(CComboUnit* pCombo)
{
    m_pUnitCombo = pCombo;
    auto follow = [this](const QString& strText)
    {
        m_pUnitLabel->setText(strText);
        m_pUnitLabel->setAccessibleName(strText);
    };
    follow(pCombo->currentText());
    connect(pCombo, &QComboBox::currentTextChanged, m_pUnitLabel, follow);
}

void CPrechargeGroup::SetUnit(const std::string& strCode)
{
    m_strUnit = strCode;
    const QString strText = QString::fromStdString(UnitDisplayText(strCode));
    m_pUnitLabel->setText(strText);
    m_pUnitLabel->setAccessibleName(strText);
}

std::string CPrechargeGroup::Unit() const
{
    return m_pUnitCombo ? m_pUnitCombo->GetSelectedUnitCode() : m_strUnit;
}

QRadioButton* CPrechargeGroup::Choice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pChoices->button(nChoice));
}

void CPrechargeGroup::Load(const SApplicationData& data)
{
    const std::string strUnit = Unit();
    const CUnitDouble& precharge = data.sdPrechargePress;
    m_pPrecharge->SetValue(CUnitDouble(precharge.GetUnit() == strUnit ? precharge.Value()
                                                                       : precharge.GetValue(strUnit),
                                       strUnit),
                           10, false, true);
    const int nChoice = data.bPrechargeIHaveUseCalc != 0      ? kIHave
                        : data.bPrechargePistonOrBladder != 0 ? kPiston
                                                              : kBladder;
    Choice(nChoice)->setChecked(true);
    m_pPrecharge->setEnabled(nChoice == kIHave);
}

sizing::SPrechargePair CPrechargeGroup::Optima(const CUnitDouble& minimum) const
{
    return m_eRule == ERule::FromGauge ? sizing::OptimalPrechargesFromGauge(minimum)
                                       : sizing::OptimalPrechargesForMinimum(minimum);
}

void CPrechargeGroup::ShowOptimaFor(const CUnitDouble& minimum)
{
    // Without a minimum pressure there is nothing to optimise; a number would only mislead.
    if (minimum.Value() > 0.0 && !minimum.GetUnit().empty())
    {
        const sizing::SPrechargePair optima = Optima(minimum);
        m_pPistonOptimum->SetValue(optima.piston, 2, true, false);
        m_pBladderOptimum->SetValue(optima.bladder, 2, true, false);
    }
    else
    {
        m_pPistonOptimum->clear();
        m_pBladderOptimum->clear();
    }
    CSizingDialog::NameAfterText(m_pPistonOptimum,
                                 QCoreApplication::translate("CPrechargeGroup", kPistonText));
    CSizingDialog::NameAfterText(m_pBladderOptimum, m_strBladderCaption);
}

sizing::SPrechargePair CPrechargeGroup::Read(SApplicationData& data)
{
    const int nChoice = m_pChoices->checkedId();
    data.bPrechargeIHaveUseCalc = nChoice == kIHave ? 1 : 0;
    if (nChoice == kIHave)
        data.sdPrechargePress.Set(m_pPrecharge->GetDouble(), Unit());
    else
        data.bPrechargePistonOrBladder = nChoice == kPiston ? 1 : 0;
    const sizing::SPrechargePair optima = Optima(data.sdMinSysPress);
    sizing::ApplyPrechargeChoice(data, optima);
    return optima;
}
