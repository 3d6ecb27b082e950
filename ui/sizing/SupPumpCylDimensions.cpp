// "Cylinder Dimensions": checks, the cylinder volume and minimum pump flow, then the pump dialog.
#include "sizing/SupPumpCylDimensions.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObject.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/CylinderVolume.h"
#include "sizing/SupPumpFlow.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int kFirstStrokeCaption = 51000;
} // namespace

CSupPumpCylDimensions::CSupPumpCylDimensions(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& stored, QWidget* pParent)
    : CSupPumpCylDimensions(product, working, stored, "CSupPumpCylDimensions", pParent)
{
}

CSupPumpCylDimensions::CSupPumpCylDimensions(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& stored, std::string strClassName,
                                             QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSupPumpCylDimensions", "Cylinder Dimensions"),
                    std::move(strClassName), pParent),
      m_pStrokes(new QButtonGroup(this))
{
    const QString strBore = QCoreApplication::translate("CSupPumpCylDimensions", "Bore Diameter:");
    const QString strRod = QCoreApplication::translate("CSupPumpCylDimensions", "Rod Diameter:");
    const QString strStroke = QCoreApplication::translate("CSupPumpCylDimensions", "Stroke Length:");
    const QString strCylinders =
        QCoreApplication::translate("CSupPumpCylDimensions", "Number of Cylinders in Parallel:");
    const QString strActuation = QCoreApplication::translate("CSupPumpCylDimensions", "Actuation Time:");
    const QString strDwell = QCoreApplication::translate("CSupPumpCylDimensions", "Dwell Time:");
    m_pBore = NumberEdit(strBore);
    m_pUnit = UnitCombo(m_working.sdCylDim_BoreDia, UnitCategory::Distance,
                        QCoreApplication::translate("CSupPumpCylDimensions", "Cylinder unit"));
    m_pRod = NumberEdit(strRod);
    m_pStroke = NumberEdit(strStroke);
    m_pCylinders = NumberEdit(strCylinders);
    m_pCylinders->SetLocaleDecimal(false); // a whole number
    m_pActuation = NumberEdit(strActuation);
    m_pDwell = NumberEdit(strDwell);
    const QString strSeconds = QString::fromStdString(UnitDisplayText("SEC"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(strBore, m_pBore), 0, 0);
    pGrid->addWidget(m_pBore, 0, 1);
    pGrid->addWidget(m_pUnit, 0, 2);
    pGrid->addWidget(Caption(strRod, m_pRod), 1, 0);
    pGrid->addWidget(m_pRod, 1, 1);
    pGrid->addWidget(FollowingUnit(m_pUnit), 1, 2);
    pGrid->addWidget(Caption(strStroke, m_pStroke), 2, 0);
    pGrid->addWidget(m_pStroke, 2, 1);
    pGrid->addWidget(FollowingUnit(m_pUnit), 2, 2);
    pGrid->addWidget(Caption(strCylinders, m_pCylinders), 3, 0);
    pGrid->addWidget(m_pCylinders, 3, 1);
    pGrid->addWidget(Caption(strActuation, m_pActuation), 4, 0);
    pGrid->addWidget(m_pActuation, 4, 1);
    pGrid->addWidget(Caption(strSeconds), 4, 2);
    pGrid->addWidget(Caption(strDwell, m_pDwell), 5, 0);
    pGrid->addWidget(m_pDwell, 5, 1);
    pGrid->addWidget(Caption(strSeconds), 5, 2);

    auto* pStrokeBox = new QGroupBox;
    auto* pStrokeLayout = new QVBoxLayout(pStrokeBox);
    for (int nChoice = 0; nChoice < 3; ++nChoice)
    {
        const QString strCaption = QString::fromStdString(LoadString(kFirstStrokeCaption + nChoice));
        auto* pButton = new QRadioButton(strCaption);
        pButton->setAccessibleName(strCaption);
        m_pStrokes->addButton(pButton, nChoice);
        pStrokeLayout->addWidget(pButton);
    }

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pGrid);
    pContent->addWidget(pStrokeBox);
    SetContent(pContent);
    setTabOrder(m_pBore, m_pUnit);
    setTabOrder(m_pUnit, m_pRod);
    setTabOrder(m_pRod, m_pStroke);
    setTabOrder(m_pStroke, m_pCylinders);
    setTabOrder(m_pCylinders, m_pActuation);
    setTabOrder(m_pActuation, m_pDwell);

    MapField("sdCylDim_BoreDia", m_pBore);
    MapField("sdCylDim_RodDia", m_pRod);
    MapField("sdCylDim_StrokeLen", m_pStroke);
    MapField("siCylDim_NoCylParallel", m_pCylinders);
    MapField("sdActuationTime", m_pActuation);
    MapField("sdDwellTime", m_pDwell);

    // Rod and stroke share the bore's unit.
    const std::string strUnit = m_pUnit->GetSelectedUnitCode();
    ShowIn(m_pBore, m_working.sdCylDim_BoreDia, strUnit);
    ShowIn(m_pRod, m_working.sdCylDim_RodDia, strUnit);
    ShowIn(m_pStroke, m_working.sdCylDim_StrokeLen, strUnit);
    m_pCylinders->SetInt(m_working.siCylDim_NoCylParallel.Value());
    ShowIn(m_pActuation, m_working.sdActuationTime, "SEC");
    ShowIn(m_pDwell, m_working.sdDwellTime, "SEC");
    const int nChoice = m_working.enumCylAffects;
    StrokeButton(nChoice >= 0 && nChoice <= 2 ? nChoice : 0)->setChecked(true);
    m_pBore->setFocus();
}

QRadioButton* CSupPumpCylDimensions::StrokeButton(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pStrokes->button(nChoice));
}

void CSupPumpCylDimensions::OnOk()
{
    Read(m_working.sdCylDim_BoreDia, m_pBore, m_pUnit);
    const std::string strUnit = m_working.sdCylDim_BoreDia.GetUnit();
    Read(m_working.sdCylDim_RodDia, m_pRod, strUnit);
    Read(m_working.sdCylDim_StrokeLen, m_pStroke, strUnit);
    m_working.siCylDim_NoCylParallel.SetValue(m_pCylinders->GetInt());
    Read(m_working.sdActuationTime, m_pActuation, "SEC");
    Read(m_working.sdDwellTime, m_pDwell, "SEC");
    m_working.enumCylAffects = m_pStrokes->checkedId();
    if (const sizing::CheckResult failure = sizing::CheckCylinderDimensions(m_working, m_product.Messages()))
    {
        ShowFailure(*failure);
        return;
    }
    const double dVolume = sizing::CylinderVolume(
        m_working.sdCylDim_BoreDia.GetValue("IN"), m_working.sdCylDim_RodDia.GetValue("IN"),
        m_working.sdCylDim_StrokeLen.GetValue("IN"), m_working.siCylDim_NoCylParallel.Value(),
        static_cast<sizing::ECylinderStroke>(m_working.enumCylAffects + 1));
    m_working.sdActVolDisplacement.Set(dVolume, "CU_IN");
    if (ComputesMinimumPump())
    {
        const std::optional<double> flow = sizing::MinimumPumpFlow(
            dVolume, m_working.sdActuationTime.GetValue("SEC"), m_working.sdDwellTime.GetValue("SEC"));
        if (!flow)
            return; // the checks refuse every cycle that has no pump flow
        m_working.sdMinPumpFlow.Set(*flow, "GPM");
    }
    Continue(RunNext(),
             [this]
             {
                 CopyAccepted(&SApplicationData::sdCylDim_BoreDia, &SApplicationData::sdCylDim_RodDia,
                              &SApplicationData::sdCylDim_StrokeLen, &SApplicationData::siCylDim_NoCylParallel,
                              &SApplicationData::enumCylAffects, &SApplicationData::sdActuationTime,
                              &SApplicationData::sdDwellTime, &SApplicationData::sdActVolDisplacement,
                              &SApplicationData::sdMinPumpFlow);
             });
}

int CSupPumpCylDimensions::RunNext()
{
    CSupPumpFlow next(m_product, m_working, m_stored, this);
    return RunNested(next);
}
