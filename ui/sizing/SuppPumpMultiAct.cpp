// The multiple-events list: its checks, the grid of events, the editor for each and the pump dialog.
#include "sizing/SuppPumpMultiAct.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/NamedButtons.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/EventPlacement.h"
#include "sizing/SizeApplication.h"
#include "sizing/SuppPumpMultiActPump.h"
#include "sizing/SupPumpMultiEvent.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QString Header(const char* pszName, const char* pszUnit = nullptr)
{
    QString strText = QString::fromLatin1(pszName);
    if (pszUnit)
        strText += QStringLiteral("\n(") + QString::fromStdString(UnitDisplayText(pszUnit)) + QLatin1Char(')');
    return strText;
}
} // namespace

CSuppPumpMultiAct::CSuppPumpMultiAct(CAccumulatorObject& product, CAccumulatorData& working,
                                     CAccumulatorData& stored, QWidget* pParent)
    : CSizingDialog(
          product, working, stored,
          QCoreApplication::translate("CSuppPumpMultiAct", "Supplementing Pump Flow - Multiple Events"),
          "CSuppPumpMultiAct", pParent)
{
    const QString strMax = QCoreApplication::translate("CSuppPumpMultiAct", "Maximum System Pressure:");
    const QString strMin = QCoreApplication::translate("CSuppPumpMultiAct", "Minimum System Pressure:");
    const QString strTotal = QCoreApplication::translate("CSuppPumpMultiAct", "Total Duration of Cycle:");
    m_pMax = NumberEdit(strMax);
    m_pPressureUnit = UnitCombo(m_working.sdMaxSysPress, UnitCategory::Pressure,
                                QCoreApplication::translate("CSuppPumpMultiAct", "Pressure unit"));
    m_pMin = NumberEdit(strMin);
    m_pTotal = NumberEdit(strTotal);

    auto* pEntries = new QGridLayout;
    pEntries->addWidget(Caption(strMax, m_pMax), 0, 0);
    pEntries->addWidget(m_pMax, 0, 1);
    pEntries->addWidget(m_pPressureUnit, 0, 2);
    pEntries->addWidget(Caption(strMin, m_pMin), 1, 0);
    pEntries->addWidget(m_pMin, 1, 1);
    pEntries->addWidget(FollowingUnit(m_pPressureUnit), 1, 2);
    pEntries->addWidget(Caption(strTotal, m_pTotal), 2, 0);
    pEntries->addWidget(m_pTotal, 2, 1);
    pEntries->addWidget(Caption(QString::fromStdString(UnitDisplayText("SEC"))), 2, 2);
    pEntries->setColumnStretch(3, 1);

    m_pGrid = new QTableWidget(this);
    m_pGrid->setAccessibleName(QCoreApplication::translate("CSuppPumpMultiAct", "Actuator events"));
    const QStringList headers = {Header("Actuator"),          Header("Event"),
                                 Header("Pump\nAvailable"),   Header("Start", "SEC"),
                                 Header("Duration", "SEC"),   Header("Flow", "GPM"),
                                 Header("Volume", "CU_IN"),   Header("Bore", "IN"),
                                 Header("Rod", "IN"),         Header("Stroke", "IN")};
    m_pGrid->setColumnCount(static_cast<int>(headers.size()));
    m_pGrid->setHorizontalHeaderLabels(headers);
    m_pGrid->verticalHeader()->hide();
    m_pGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pGrid->horizontalHeader()->setHighlightSections(false);
    m_pGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pGrid->setMinimumSize(640, 220);
    connect(m_pGrid, &QTableWidget::cellDoubleClicked, this, [this](int nRow, int) { OnEditEvent(nRow); });

    auto* pAddActuator = NamedButton(QCoreApplication::translate("CSuppPumpMultiAct", "Add &Actuator"));
    auto* pAddEvent = NamedButton(QCoreApplication::translate("CSuppPumpMultiAct", "Add &Event"));
    auto* pDelete = NamedButton(QCoreApplication::translate("CSuppPumpMultiAct", "Delete Highlighted Event"));
    // Enter in an entry means OK, not "add another event".
    for (QPushButton* pButton : {pAddActuator, pAddEvent, pDelete})
        pButton->setAutoDefault(false);
    connect(pAddActuator, &QPushButton::clicked, this, &CSuppPumpMultiAct::OnAddActuator);
    connect(pAddEvent, &QPushButton::clicked, this, &CSuppPumpMultiAct::OnAddEvent);
    connect(pDelete, &QPushButton::clicked, this, &CSuppPumpMultiAct::OnDeleteEvent);
    auto* pListButtons = new QHBoxLayout;
    pListButtons->addWidget(
        Caption(QCoreApplication::translate("CSuppPumpMultiAct", "Double Click on an event to edit")));
    pListButtons->addStretch();
    pListButtons->addWidget(pAddActuator);
    pListButtons->addWidget(pAddEvent);
    pListButtons->addWidget(pDelete);

    auto* pContent = new QVBoxLayout;
    pContent->addLayout(pEntries);
    pContent->addWidget(m_pGrid);
    pContent->addLayout(pListButtons);
    SetContent(pContent);
    setTabOrder(m_pMax, m_pPressureUnit);
    setTabOrder(m_pPressureUnit, m_pMin);
    setTabOrder(m_pMin, m_pTotal);
    setTabOrder(m_pTotal, m_pGrid);

    MapField("sdMaxSysPress", m_pMax);
    MapField("sdMinSysPress", m_pMin);
    MapField("sdMultiEventTotalDuration", m_pTotal);

    const std::string strPressure = m_pPressureUnit->GetSelectedUnitCode();
    ShowIn(m_pMax, m_working.sdMaxSysPress, strPressure);
    ShowIn(m_pMin, m_working.sdMinSysPress, strPressure);
    ShowIn(m_pTotal, m_working.sdMultiEventTotalDuration, "SEC");
    FillGrid();
    m_pMax->setFocus();
}

void CSuppPumpMultiAct::ReadEntries()
{
    Read(m_working.sdMaxSysPress, m_pMax, m_pPressureUnit);
    Read(m_working.sdMinSysPress, m_pMin, m_working.sdMaxSysPress.GetUnit());
    Read(m_working.sdMultiEventTotalDuration, m_pTotal, "SEC");
}

bool CSuppPumpMultiAct::EntriesPass()
{
    ReadEntries();
    return PassesChecks([this](bool) { return sizing::CheckEventListEntries(m_working, m_product.Messages()); });
}

std::optional<std::size_t> CSuppPumpMultiAct::Highlighted() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_pGrid->selectedRanges();
    if (ranges.isEmpty())
        return std::nullopt;
    const auto nRow = static_cast<std::size_t>(ranges.front().topRow());
    return nRow < m_working.m_lstEvents.size() ? std::optional(nRow) : std::nullopt;
}

SEvent CSuppPumpMultiAct::NewEvent(int iActNo) const
{
    SEvent ev;
    ev.iActNo = iActNo;
    ev.iEventNo = sizing::NextEventNumber(m_working.m_lstEvents, iActNo);
    ev.bPumpAvail = 1;
    ev.sdFlowrate.Set(0.0, m_product.DefaultUnit(UnitCategory::FlowRate));
    ev.sdVolume.Set(0.0, "GAL");
    const std::string strDistance = m_product.DefaultUnit(UnitCategory::Distance);
    for (CUnitDouble* pSize : {&ev.sdBoreDia, &ev.sdRodDia, &ev.sdStrokeLength})
        pSize->Set(0.0, strDistance);
    // The next event of an actuator starts, by default, where its last one ended.
    double dStart = 0.0;
    for (const SEvent& other : m_working.m_lstEvents)
        if (other.iActNo == iActNo && other.iEventNo == ev.iEventNo - 1)
            dStart = other.sdEvStartTime.GetValue("SEC") + other.sdEvDuration.GetValue("SEC");
    ev.sdEvStartTime.Set(dStart, "SEC");
    ev.sdEvDuration.Set(0.0, "SEC");
    return ev;
}

void CSuppPumpMultiAct::Edit(const SEvent& ev, std::optional<std::size_t> nEdited)
{
    CSupPumpMultiEvent editor(m_product, m_working, m_stored, ev, nEdited, this);
    if (RunNested(editor) != dlg::Ok)
        return;
    FillGrid();
    // The placed event stays highlighted, ready for "Add Event".
    for (std::size_t i = 0; i < m_working.m_lstEvents.size(); ++i)
    {
        const SEvent& placed = m_working.m_lstEvents[i];
        if (placed.iActNo == editor.PlacedEvent().iActNo && placed.iEventNo == editor.PlacedEvent().iEventNo)
            m_pGrid->selectRow(static_cast<int>(i));
    }
}

void CSuppPumpMultiAct::OnAddActuator()
{
    if (EntriesPass())
        Edit(NewEvent(sizing::NextActuatorNumber(m_working.m_lstEvents)), std::nullopt);
}

void CSuppPumpMultiAct::OnAddEvent()
{
    const std::optional<std::size_t> nRow = Highlighted();
    if (!nRow)
    {
        OnAddActuator();
        return;
    }
    if (EntriesPass())
        Edit(NewEvent(m_working.m_lstEvents[*nRow].iActNo), std::nullopt);
}

void CSuppPumpMultiAct::OnEditEvent(int nRow)
{
    if (nRow < 0 || static_cast<std::size_t>(nRow) >= m_working.m_lstEvents.size())
        return;
    ReadEntries(); // the editor checks against the total duration as entered now
    const auto nIndex = static_cast<std::size_t>(nRow);
    Edit(m_working.m_lstEvents[nIndex], nIndex);
}

void CSuppPumpMultiAct::OnDeleteEvent()
{
    const std::optional<std::size_t> nRow = Highlighted();
    if (!nRow)
        return;
    m_working.m_lstEvents.erase(m_working.m_lstEvents.begin() + static_cast<std::ptrdiff_t>(*nRow));
    FillGrid();
}

void CSuppPumpMultiAct::FillGrid()
{
    const std::vector<SEvent>& events = m_working.m_lstEvents;
    m_pGrid->clearSelection();
    m_pGrid->setRowCount(static_cast<int>(events.size()));
    for (std::size_t r = 0; r < events.size(); ++r)
    {
        const std::vector<std::string> cells = sizing::EventRowTexts(events[r]);
        for (std::size_t c = 0; c < cells.size(); ++c)
        {
            auto* pItem = new QTableWidgetItem(QString::fromStdString(cells[c]));
            pItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_pGrid->setItem(static_cast<int>(r), static_cast<int>(c), pItem);
        }
    }
}

void CSuppPumpMultiAct::OnOk()
{
    ReadEntries();
    const CIMsgStoredProc& messages = m_product.Messages();
    if (!PassesChecks([&](bool) { return sizing::CheckEventList(m_working, messages); }))
        return;
    m_working.iNumOfActuators = sizing::CountActuators(m_working.m_lstEvents);
    const std::optional<double> flow = sizing::MultipleEventsMinimumPumpFlow(
        sizing::CycleEvents(m_working.m_lstEvents), m_working.sdMultiEventTotalDuration.GetValue("SEC"));
    if (!flow)
        return; // the checks refuse a cycle without a duration
    m_working.sdMinPumpFlow.Set(*flow, "GPM");

    CSuppPumpMultiActPump next(m_product, m_working, m_stored, this);
    Continue(RunNested(next),
             [this]
             {
                 CopyAccepted(&SApplicationData::sdMaxSysPress, &SApplicationData::sdMinSysPress,
                              &SApplicationData::sdMultiEventTotalDuration, &SApplicationData::iNumOfActuators,
                              &SApplicationData::sdMinPumpFlow);
                 m_stored.m_lstEvents = m_working.m_lstEvents;
             });
}
