// "Actuator Event Information": numbers, pump, times and the event's volume in one of three ways.
#include "sizing/SupPumpMultiEvent.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/EventPlacement.h"
#include "sizing/SizeApplication.h"
#include "units/UnitConvMap.h"
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
} // namespace

CSupPumpMultiEvent::CSupPumpMultiEvent(CAccumulatorObject& product, CAccumulatorData& working,
                                       CAccumulatorData& stored, const SEvent& ev,
                                       std::optional<std::size_t> nEdited, QWidget* pParent)
    : CSizingDialog(product, working, stored,
                    QCoreApplication::translate("CSupPumpMultiEvent", "Actuator Event Information"),
                    "CSupPumpMultiEvent", pParent),
      m_event(ev), m_nEdited(nEdited), m_pPump(new QButtonGroup(this)), m_pChoice(new QButtonGroup(this)),
      m_pStrokes(new QButtonGroup(this))
{
    const QString strActuator = QCoreApplication::translate("CSupPumpMultiEvent", "Actuator No.:");
    const QString strEvent = QCoreApplication::translate("CSupPumpMultiEvent", "Event No.:");
    const QString strStart = QCoreApplication::translate("CSupPumpMultiEvent", "Event Start Time:");
    const QString strDuration = QCoreApplication::translate("CSupPumpMultiEvent", "Event Duration:");
    const QString strBore = QCoreApplication::translate("CSupPumpMultiEvent", "Bore Diameter:");
    const QString strRod = QCoreApplication::translate("CSupPumpMultiEvent", "Rod Diameter:");
    const QString strStroke = QCoreApplication::translate("CSupPumpMultiEvent", "Stroke Length:");
    const QString strSeconds = QString::fromStdString(UnitDisplayText("SEC"));
    m_pActuator = WholeNumberEdit(strActuator);
    m_pEvent = WholeNumberEdit(strEvent);
    m_pStart = NumberEdit(strStart);
    m_pDuration = NumberEdit(strDuration);
    m_pFlow = NumberEdit(QCoreApplication::translate("CSupPumpMultiEvent", "I know my flow rate:"));
    m_pFlowUnit = UnitCombo(ev.sdFlowrate, UnitCategory::FlowRate,
                            QCoreApplication::translate("CSupPumpMultiEvent", "Flow rate unit"));
    m_pVolume = NumberEdit(QCoreApplication::translate("CSupPumpMultiEvent", "I know my Volume of Fluid:"));
    m_pVolumeUnit = UnitCombo(ev.sdVolume, UnitCategory::Volume,
                              QCoreApplication::translate("CSupPumpMultiEvent", "Volume of Fluid unit"));
    m_pBore = NumberEdit(strBore);
    m_pDistanceUnit = UnitCombo(ev.sdBoreDia, UnitCategory::Distance,
                                QCoreApplication::translate("CSupPumpMultiEvent", "Cylinder unit"));
    m_pRod = NumberEdit(strRod);
    m_pStroke = NumberEdit(strStroke);

    auto* pNumbers = new QGridLayout;
    pNumbers->addWidget(Caption(strActuator, m_pActuator), 0, 0);
    pNumbers->addWidget(m_pActuator, 0, 1);
    pNumbers->addWidget(Caption(strEvent, m_pEvent), 0, 2);
    pNumbers->addWidget(m_pEvent, 0, 3);
    const QString strPump = QCoreApplication::translate("CSupPumpMultiEvent", "Is the Pump Available?");
    QRadioButton* pYes = ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "Yes"), m_pPump, 1);
    QRadioButton* pNo = ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "No"), m_pPump, 0);
    pYes->setAccessibleDescription(strPump);
    pNo->setAccessibleDescription(strPump);
    auto* pPumpRow = new QHBoxLayout;
    pPumpRow->addWidget(pYes);
    pPumpRow->addWidget(pNo);
    pPumpRow->addStretch();
    pNumbers->addWidget(Caption(strPump), 1, 0);
    pNumbers->addLayout(pPumpRow, 1, 1, 1, 3);
    pNumbers->addWidget(Caption(strStart, m_pStart), 2, 0);
    pNumbers->addWidget(m_pStart, 2, 1);
    pNumbers->addWidget(Caption(strSeconds), 2, 2);
    pNumbers->addWidget(Caption(strDuration, m_pDuration), 3, 0);
    pNumbers->addWidget(m_pDuration, 3, 1);
    pNumbers->addWidget(Caption(strSeconds), 3, 2);

    auto* pVolumeBox =
        new QGroupBox(QCoreApplication::translate("CSupPumpMultiEvent", "Volume of the Event"));
    pVolumeBox->setAccessibleName(pVolumeBox->title());
    auto* pVolumeGrid = new QGridLayout(pVolumeBox);
    pVolumeGrid->addWidget(
        ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "I know my flow rate:"), m_pChoice, 0),
        0, 0);
    pVolumeGrid->addWidget(m_pFlow, 0, 1);
    pVolumeGrid->addWidget(m_pFlowUnit, 0, 2);
    pVolumeGrid->addWidget(
        ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "I know my Volume of Fluid:"),
                     m_pChoice, 1),
        1, 0);
    pVolumeGrid->addWidget(m_pVolume, 1, 1);
    pVolumeGrid->addWidget(m_pVolumeUnit, 1, 2);
    pVolumeGrid->addWidget(
        ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "I know my Cylinder Dimensions"),
                     m_pChoice, 2),
        2, 0, 1, 3);
    pVolumeGrid->addWidget(Caption(strBore, m_pBore), 3, 0, Qt::AlignRight);
    pVolumeGrid->addWidget(m_pBore, 3, 1);
    pVolumeGrid->addWidget(m_pDistanceUnit, 3, 2);
    pVolumeGrid->addWidget(Caption(strRod, m_pRod), 4, 0, Qt::AlignRight);
    pVolumeGrid->addWidget(m_pRod, 4, 1);
    pVolumeGrid->addWidget(FollowingUnit(m_pDistanceUnit), 4, 2);
    pVolumeGrid->addWidget(Caption(strStroke, m_pStroke), 5, 0, Qt::AlignRight);
    pVolumeGrid->addWidget(m_pStroke, 5, 1);
    pVolumeGrid->addWidget(FollowingUnit(m_pDistanceUnit), 5, 2);
    auto* pStrokeRow = new QHBoxLayout;
    pStrokeRow->addWidget(
        ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "Extend Volume"), m_pStrokes, 0));
    pStrokeRow->addWidget(
        ChoiceButton(QCoreApplication::translate("CSupPumpMultiEvent", "Retract Volume"), m_pStrokes, 1));
    pStrokeRow->addWidget(ChoiceButton(
        QCoreApplication::translate("CSupPumpMultiEvent", "Extend and Retract Volume"), m_pStrokes, 2));
    pVolumeGrid->addLayout(pStrokeRow, 6, 0, 1, 3, Qt::AlignRight);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pNumbers);
    pContent->addWidget(pVolumeBox);
    SetContent(pContent);

    MapField("iActNo", m_pActuator);
    MapField("iEventNo", m_pEvent);
    MapField("sdEvStartTime", m_pStart);
    MapField("sdEvDuration", m_pDuration);
    MapField("sdFlowrate", m_pFlow);
    MapField("sdVolume", m_pVolume);
    MapField("sdBoreDia", m_pBore);
    MapField("sdRodDia", m_pRod);
    MapField("sdStrokeLength", m_pStroke);

    m_pActuator->SetInt(ev.iActNo);
    m_pEvent->SetInt(ev.iEventNo);
    PumpAvailable(ev.bPumpAvail != 0)->setChecked(true);
    // A start at 0 is a time like any other: shown, not left empty.
    m_pStart->SetShowZero(true);
    ShowIn(m_pStart, ev.sdEvStartTime, "SEC");
    ShowIn(m_pDuration, ev.sdEvDuration, "SEC");
    Show(m_pFlow, ev.sdFlowrate);
    Show(m_pVolume, ev.sdVolume);
    const std::string strDistance = m_pDistanceUnit->GetSelectedUnitCode();
    ShowIn(m_pBore, ev.sdBoreDia, strDistance);
    ShowIn(m_pRod, ev.sdRodDia, strDistance);
    ShowIn(m_pStroke, ev.sdStrokeLength, strDistance);
    const int nChoice = ev.enumActVolForEvent >= 0 && ev.enumActVolForEvent <= 2 ? ev.enumActVolForEvent : 0;
    VolumeChoice(nChoice)->setChecked(true);
    StrokeChoice(ev.eExtendRetract >= 0 && ev.eExtendRetract <= 2 ? ev.eExtendRetract : 0)->setChecked(true);
    EnableForChoice(nChoice);
    connect(m_pChoice, &QButtonGroup::idClicked, this, &CSupPumpMultiEvent::EnableForChoice);
    // A new event starts at its duration; an edited one where the user looks first.
    (nEdited ? m_pStart : m_pDuration)->setFocus();
}

QRadioButton* CSupPumpMultiEvent::VolumeChoice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pChoice->button(nChoice));
}

QRadioButton* CSupPumpMultiEvent::StrokeChoice(int nChoice) const
{
    return qobject_cast<QRadioButton*>(m_pStrokes->button(nChoice));
}

QRadioButton* CSupPumpMultiEvent::PumpAvailable(bool bYes) const
{
    return qobject_cast<QRadioButton*>(m_pPump->button(bYes ? 1 : 0));
}

void CSupPumpMultiEvent::EnableForChoice(int nChoice)
{
    m_pFlow->setEnabled(nChoice == 0);
    m_pFlowUnit->setEnabled(nChoice == 0);
    m_pVolume->setEnabled(nChoice == 1);
    m_pVolumeUnit->setEnabled(nChoice == 1);
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pBore, m_pDistanceUnit, m_pRod, m_pStroke})
        pWidget->setEnabled(nChoice == 2);
    for (QAbstractButton* pButton : m_pStrokes->buttons())
        pButton->setEnabled(nChoice == 2);
}

SEvent CSupPumpMultiEvent::ReadEvent() const
{
    SEvent ev = m_event;
    ev.iActNo = m_pActuator->GetInt();
    ev.iEventNo = m_pEvent->GetInt();
    ev.bPumpAvail = m_pPump->checkedId() == 1 ? 1 : 0;
    Read(ev.sdEvStartTime, m_pStart, "SEC");
    Read(ev.sdEvDuration, m_pDuration, "SEC");
    ev.enumActVolForEvent = m_pChoice->checkedId();
    ev.eExtendRetract = m_pStrokes->checkedId();
    Read(ev.sdFlowrate, m_pFlow, m_pFlowUnit);
    Read(ev.sdVolume, m_pVolume, m_pVolumeUnit);
    Read(ev.sdBoreDia, m_pBore, m_pDistanceUnit);
    const std::string strDistance = ev.sdBoreDia.GetUnit();
    Read(ev.sdRodDia, m_pRod, strDistance);
    Read(ev.sdStrokeLength, m_pStroke, strDistance);
    return ev;
}

void CSupPumpMultiEvent::OnOk()
{
    // For cylinder dimensions the event keeps the volume of one cylinder's chosen stroke.
    const std::optional<SEvent> ev = sizing::CompleteEvent(ReadEvent());
    if (!ev)
        return; // every choice and stroke has its radio button
    m_event = *ev;
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool) { return sizing::CheckEvent(m_event, m_working.sdMultiEventTotalDuration, messages); }) ||
        !PassesChecks([&](bool) { return sizing::PlaceEvent(m_working.m_lstEvents, m_event, messages, m_nEdited); }))
        return;
    done(dlg::Ok);
}
