// "Choose Accumulator Details - Piston Type": the lists, their dependent refills, the ports
// rule, the seal assistant and OK.
#include "models/DetailsPiston1.h"

#include "catalogue/Catalogue.h"
#include "controls/CodeComboBox.h"
#include "models/ModelDialogs.h"
#include "product/AccumulatorObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

CDetailsPiston1::CDetailsPiston1(CAccumulatorObject& product, CAccumulatorData& working,
                                 CAccumulatorData& stored, QWidget* pParent)
    : CDetailsDialog(
          product, working, stored,
          QCoreApplication::translate("CDetailsPiston1", "Choose Accumulator Details - Piston Type"),
          "CDetailsPiston1", pParent)
{
    using namespace modeldlg;
    m_bSortedLists = true;
    QPushButton* pAssistance = MakeSealBox();
    CCodeComboBox* pSeal = SealBox();
    m_pPort = CodeBox(this);
    m_pConstruction = new QComboBox(this);
    m_pConstruction->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_pApproval = CodeBox(this);
    m_pStandard = new QLabel(this);
    m_pStandard->setWordWrap(true);
    m_pStandard->setAccessibleName(QCoreApplication::translate("CDetailsPiston1", "Standard Ports"));

    m_pHydraulic =
        new QGroupBox(QCoreApplication::translate("CDetailsPiston1", "Hydraulic Port Modification"), this);
    m_pGas = new QGroupBox(QCoreApplication::translate("CDetailsPiston1", "Gas Port Modification"), this);
    m_pPortType = CodeBox(m_pHydraulic);
    m_pPortSize = CodeBox(m_pHydraulic);
    m_pGasType = CodeBox(m_pGas);
    m_pGasSize = CodeBox(m_pGas);
    m_pPortType->setObjectName(QStringLiteral("PortType"));
    m_pPortSize->setObjectName(QStringLiteral("PortSize"));
    m_pGasType->setObjectName(QStringLiteral("GasPortType"));
    m_pGasSize->setObjectName(QStringLiteral("GasPortSize"));
    for (QGroupBox* pGroup : {m_pHydraulic, m_pGas})
    {
        auto* pForm = new QFormLayout(pGroup);
        const bool bGas = pGroup == m_pGas;
        CCodeComboBox* pType = bGas ? m_pGasType : m_pPortType;
        CCodeComboBox* pSize = bGas ? m_pGasSize : m_pPortSize;
        pForm->addRow(Caption(QCoreApplication::translate("CDetailsPiston1", "Type "), pGroup, pType), pType);
        pForm->addRow(Caption(QCoreApplication::translate("CDetailsPiston1", "Size"), pGroup, pSize), pSize);
        // Two boxes share each caption: the group tells them apart.
        pType->setAccessibleDescription(pGroup->title());
        pSize->setAccessibleDescription(pGroup->title());
    }

    m_pOptionArea = new QWidget(this);
    new QVBoxLayout(m_pOptionArea);
    auto* pScroll = new QScrollArea(this);
    pScroll->setWidget(m_pOptionArea);
    pScroll->setWidgetResizable(true);
    pScroll->setMinimumHeight(150);
    QLabel* pOptionCaption =
        Caption(QCoreApplication::translate("CDetailsPiston1", "Select any required options"), this);
    pScroll->setAccessibleName(pOptionCaption->accessibleName());

    auto* pLeft = new QGridLayout;
    pLeft->addWidget(Caption(QCoreApplication::translate("CDetailsPiston1", "&Seal Compound"), this, pSeal),
                     0, 0);
    pLeft->addWidget(pSeal, 0, 1);
    pLeft->addWidget(pAssistance, 1, 1, Qt::AlignLeft);
    pLeft->addWidget(Caption(QCoreApplication::translate("CDetailsPiston1", "&Ports"), this, m_pPort), 2, 0);
    pLeft->addWidget(m_pPort, 2, 1);
    pLeft->addWidget(m_pStandard, 3, 1);
    pLeft->addWidget(m_pHydraulic, 4, 0, 1, 2);
    pLeft->addWidget(m_pGas, 5, 0, 1, 2);
    pLeft->setRowStretch(6, 1);

    auto* pRight = new QGridLayout;
    pRight->addWidget(Caption(QCoreApplication::translate("CDetailsPiston1", "Type of &Construction:"), this,
                              m_pConstruction),
                      0, 0);
    pRight->addWidget(m_pConstruction, 1, 0);
    pRight->addWidget(Caption(QCoreApplication::translate("CDetailsPiston1", "Optional &Approval Stamp:"),
                              this, m_pApproval),
                      2, 0);
    pRight->addWidget(m_pApproval, 3, 0);
    pRight->addWidget(pOptionCaption, 4, 0);
    pRight->addWidget(pScroll, 5, 0);
    pRight->setRowStretch(5, 1);

    auto* pColumns = new QHBoxLayout;
    pColumns->addLayout(pLeft, 3);
    pColumns->addSpacing(16);
    pColumns->addLayout(pRight, 2);

    SetContent(pColumns);

    setTabOrder(pSeal, pAssistance);
    setTabOrder(pAssistance, m_pPort);
    setTabOrder(m_pPort, m_pPortType);
    setTabOrder(m_pPortType, m_pPortSize);
    setTabOrder(m_pPortSize, m_pGasType);
    setTabOrder(m_pGasType, m_pGasSize);
    setTabOrder(m_pGasSize, m_pConstruction);
    setTabOrder(m_pConstruction, m_pApproval);
    setTabOrder(m_pApproval, pScroll);

    connect(m_pPort, &QComboBox::currentIndexChanged, this, &CDetailsPiston1::OnPortChanged);
    connect(m_pConstruction, &QComboBox::currentIndexChanged, this, &CDetailsPiston1::OnConstructionChanged);
    connect(m_pPortType, &QComboBox::currentIndexChanged, this,
            [this] { OnPortTypeChanged(EPortSide::Hydraulic); });
    connect(m_pGasType, &QComboBox::currentIndexChanged, this, [this] { OnPortTypeChanged(EPortSide::Gas); });

    FillAll();
    // Every option readable without scrolling sideways.
    pScroll->setMinimumWidth(m_pOptionArea->sizeHint().width() +
                             pScroll->verticalScrollBar()->sizeHint().width() + 2 * pScroll->frameWidth());
    // The wrapped standard-ports text would otherwise let the window open narrower than its lists.
    resize(sizeHint());
    pSeal->setFocus();
}

void CDetailsPiston1::FillAll()
{
    IDatabase* pDb = m_product.Database();
    if (!pDb)
        return;
    using modeldlg::FillBox;
    using modeldlg::Guarded;
    FillSeals(m_working.cpcSealCode.m_strCode);
    Guarded([&] { m_ports = PistonPortList(m_working, *pDb); });
    FillBox(*m_pPort, m_ports);
    Guarded([&] { m_constructions = PistonConstructionList(m_working, *pDb); });
    FillBox(*m_pConstruction, m_constructions);
    OnConstructionChanged();

    Guarded([&] { m_options.list = PistonOptionList(m_working, *pDb); });
    for (std::size_t i = 0; i < m_options.list.items.size(); ++i)
    {
        auto* pBox =
            new QCheckBox(QString::fromStdString(m_options.list.items[i].m_strDescription), m_pOptionArea);
        pBox->setAccessibleName(pBox->text());
        pBox->setChecked(m_options.list.checked[i]);
        m_pOptionArea->layout()->addWidget(pBox);
        m_options.boxes << pBox;
    }
    static_cast<QVBoxLayout*>(m_pOptionArea->layout())->addStretch();

    OnPortChanged();
    std::string strStandard;
    Guarded([&] { strStandard = StandardPortCaption(m_working, *pDb); });
    m_pStandard->setText(QString::fromStdString(strStandard));
    m_pStandard->setVisible(!strStandard.empty());
}

std::string CDetailsPiston1::PortCode() const
{
    const std::optional<CPartCode> port = Choice(*m_pPort, m_ports);
    return port ? port->m_strCode : m_working.cpcDesignNumber.m_strCode;
}

void CDetailsPiston1::OnPortChanged()
{
    IDatabase* pDb = m_product.Database();
    m_portLists = SPortModificationLists();
    if (pDb)
        modeldlg::Guarded([&] { m_portLists = PistonPortModificationLists(m_working, PortCode(), *pDb); });
    modeldlg::FillBox(*m_pPortType, m_portLists.type);
    modeldlg::FillBox(*m_pPortSize, m_portLists.size);
    modeldlg::FillBox(*m_pGasType, m_portLists.gasType);
    modeldlg::FillBox(*m_pGasSize, m_portLists.gasSize);
    // Standard ports show what the model has and cannot be changed.
    m_pHydraulic->setEnabled(!m_portLists.bStandard);
    m_pGas->setEnabled(!m_portLists.bStandard);
}

void CDetailsPiston1::OnPortTypeChanged(EPortSide eSide)
{
    const bool bGas = eSide == EPortSide::Gas;
    const std::optional<CPartCode> type =
        Choice(bGas ? *m_pGasType : *m_pPortType, bGas ? m_portLists.gasType : m_portLists.type);
    SDetailList& sizes = bGas ? m_portLists.gasSize : m_portLists.size;
    sizes = SDetailList();
    if (IDatabase* pDb = m_product.Database(); pDb && type)
        modeldlg::Guarded([&] { sizes = PistonPortSizeList(m_working, eSide, type->m_strCode, *pDb); });
    modeldlg::FillBox(bGas ? *m_pGasSize : *m_pPortSize, sizes);
}

void CDetailsPiston1::OnConstructionChanged()
{
    const std::optional<CPartCode> construction = Choice(*m_pConstruction, m_constructions);
    m_approvals = SDetailList();
    if (IDatabase* pDb = m_product.Database(); pDb && construction)
        modeldlg::Guarded(
            [&] { m_approvals = PistonApprovalList(m_working, construction->m_strDescription, *pDb); });
    modeldlg::FillBox(*m_pApproval, m_approvals);
}

void CDetailsPiston1::OnOk()
{
    SPistonDetailChoice choice;
    choice.seal = Choice(*SealBox(), m_seals);
    choice.port = Choice(*m_pPort, m_ports);
    if (const std::optional<CPartCode> construction = Choice(*m_pConstruction, m_constructions))
        choice.construction = construction->m_strDescription;
    choice.approval = Choice(*m_pApproval, m_approvals);
    choice.portType = Choice(*m_pPortType, m_portLists.type);
    choice.portSize = Choice(*m_pPortSize, m_portLists.size);
    choice.gasPortType = Choice(*m_pGasType, m_portLists.gasType);
    choice.gasPortSize = Choice(*m_pGasSize, m_portLists.gasSize);
    for (int i = 0; i < m_options.boxes.size(); ++i)
        if (m_options.boxes[i]->isChecked())
            choice.options.push_back({i, m_options.list.items[static_cast<std::size_t>(i)]});
    choice.assistance = m_assistance;
    Finish(std::string(),
           [&]
           {
               if (IDatabase* pDb = m_product.Database())
                   ApplyPistonDetails(m_working, m_stored, choice, *m_product.AccumulatorData(), *pDb);
           });
}
