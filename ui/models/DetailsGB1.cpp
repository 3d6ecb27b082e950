// "Gas Bottle Details": the two port lists and OK.
#include "models/DetailsGB1.h"

#include "controls/CodeComboBox.h"
#include "models/ModelDialogs.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

CDetailsGB1::CDetailsGB1(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                         QWidget* pParent)
    : CDetailsDialog(product, working, stored,
                     QCoreApplication::translate("CDetailsGB1", "Gas Bottle Details"), "CDetailsGB1", pParent)
{
    using modeldlg::Caption;
    m_pGasPort = CodeBox(this);
    m_pValvePort = CodeBox(this);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(QCoreApplication::translate("CDetailsGB1", "&Gas Port:"), this, m_pGasPort), 0,
                     0);
    pGrid->addWidget(m_pGasPort, 0, 1);
    pGrid->addWidget(
        Caption(QCoreApplication::translate("CDetailsGB1", "Gas &Valve Port:"), this, m_pValvePort), 1, 0);
    pGrid->addWidget(m_pValvePort, 1, 1);
    pGrid->setColumnStretch(1, 1);
    SetContent(pGrid);

    Read([&](IDatabase& db) { m_gasPorts = GasBottlePortList(m_working, db); });
    modeldlg::FillBox(*m_pGasPort, m_gasPorts, false);
    Read([&](IDatabase& db) { m_valvePorts = GasBottleValvePortList(m_working, db); });
    modeldlg::FillBox(*m_pValvePort, m_valvePorts, false);
    m_pGasPort->setFocus();
}

void CDetailsGB1::OnOk()
{
    SGasBottleDetailChoice choice;
    choice.gasPort = Choice(*m_pGasPort, m_gasPorts);
    choice.valvePort = Choice(*m_pValvePort, m_valvePorts);
    Finish(CheckGasBottleDetails(choice), [&] { ApplyGasBottleDetails(m_working, m_stored, choice); });
}
