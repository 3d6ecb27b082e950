// "Choose Accumulator Details - Bladder Type": the lists, the fluid port's size and OK.
#include "models/DetailsBladder1.h"

#include "controls/CodeComboBox.h"
#include "models/ModelDialogs.h"
#include "product/AccumulatorObject.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CDetailsBladder1::CDetailsBladder1(CAccumulatorObject& product, CAccumulatorData& working,
                                   CAccumulatorData& stored, QWidget* pParent)
    : CDetailsDialog(
          product, working, stored,
          QCoreApplication::translate("CDetailsBladder1", "Choose Accumulator Details - Bladder Type"),
          "CDetailsBladder1", pParent)
{
    using modeldlg::Caption;
    QPushButton* pAssistance = MakeSealBox();
    CCodeComboBox* pSeal = SealBox();
    m_pConstruction = CodeBox(this);
    m_pModification = CodeBox(this);
    m_pCertification = CodeBox(this);
    m_pPorts = new QListWidget(this);
    m_pPorts->setMinimumWidth(300);
    m_pPortSize = new QLabel(this);
    m_pPortSize->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QLabel* pSizeCaption =
        Caption(QCoreApplication::translate("CDetailsBladder1", "Standard Port Size:"), this);
    m_pPortSize->setAccessibleName(pSizeCaption->accessibleName());
    auto* pNote = new QLabel(QCoreApplication::translate(
                                 "CDetailsBladder1", "For other Certification, Please consult the factory."),
                             this);
    pNote->setAccessibleName(pNote->text());

    auto* pLeft = new QGridLayout;
    pLeft->addWidget(Caption(QCoreApplication::translate("CDetailsBladder1", "&Seal Compound"), this, pSeal),
                     0, 0);
    pLeft->addWidget(pSeal, 0, 1);
    pLeft->addWidget(pAssistance, 1, 1, Qt::AlignLeft);
    pLeft->addWidget(
        Caption(QCoreApplication::translate("CDetailsBladder1", "C&onstruction"), this, m_pConstruction), 2,
        0);
    pLeft->addWidget(m_pConstruction, 2, 1);
    pLeft->addWidget(
        Caption(QCoreApplication::translate("CDetailsBladder1", "&Modification:"), this, m_pModification), 3,
        0);
    pLeft->addWidget(m_pModification, 3, 1);
    pLeft->addWidget(
        Caption(QCoreApplication::translate("CDetailsBladder1", "C&ertification:"), this, m_pCertification),
        4, 0);
    pLeft->addWidget(m_pCertification, 4, 1);
    pLeft->addWidget(pNote, 5, 1);
    pLeft->setRowStretch(6, 1);

    auto* pRight = new QVBoxLayout;
    pRight->addWidget(
        Caption(QCoreApplication::translate("CDetailsBladder1", "Hydraulic &Port Type"), this, m_pPorts));
    pRight->addWidget(m_pPorts, 1);
    auto* pSizeRow = new QHBoxLayout;
    pSizeRow->addWidget(pSizeCaption);
    pSizeRow->addWidget(m_pPortSize, 1);
    pRight->addLayout(pSizeRow);

    auto* pColumns = new QHBoxLayout;
    pColumns->addLayout(pLeft, 3);
    pColumns->addSpacing(16);
    pColumns->addLayout(pRight, 2);
    SetContent(pColumns);

    setTabOrder(pSeal, pAssistance);
    setTabOrder(pAssistance, m_pConstruction);
    setTabOrder(m_pConstruction, m_pModification);
    setTabOrder(m_pModification, m_pCertification);
    setTabOrder(m_pCertification, m_pPorts);

    FillAll();
    connect(m_pPorts, &QListWidget::currentRowChanged, this, &CDetailsBladder1::ShowPortSize);
    ShowPortSize();
    pSeal->setFocus();
}

void CDetailsBladder1::FillAll()
{
    using modeldlg::FillBox;
    FillSeals(m_working.cpcSealCode.m_strCode);
    Read([&](IDatabase& db) { m_constructions = BladderConstructionList(m_working, db); });
    FillBox(*m_pConstruction, m_constructions, false);
    Read([&](IDatabase& db) { m_modifications = BladderModificationList(m_working, db); });
    FillBox(*m_pModification, m_modifications, false);
    Read([&](IDatabase& db) { m_certifications = BladderCertificationList(m_working, db); });
    FillBox(*m_pCertification, m_certifications, false);
    Read([&](IDatabase& db) { m_ports = BladderHydraulicPortList(m_working, db); });
    for (const CPartCode& port : m_ports.list.items)
        m_pPorts->addItem(QString::fromStdString(port.m_strDescription));
    m_pPorts->setCurrentRow(m_ports.list.nSelected);
}

std::optional<CPartCode> CDetailsBladder1::ChosenPort() const
{
    const int nRow = m_pPorts->currentRow();
    if (nRow < 0 || nRow >= static_cast<int>(m_ports.list.items.size()))
        return std::nullopt;
    return m_ports.list.items[static_cast<std::size_t>(nRow)];
}

void CDetailsBladder1::ShowPortSize()
{
    m_pPortSize->setText(QString::fromStdString(m_ports.SizeOf(m_pPorts->currentRow())));
}

void CDetailsBladder1::OnOk()
{
    SBladderDetailChoice choice;
    choice.seal = Choice(*SealBox(), m_seals);
    choice.construction = Choice(*m_pConstruction, m_constructions);
    choice.modification = Choice(*m_pModification, m_modifications);
    choice.certification = Choice(*m_pCertification, m_certifications);
    choice.hydraulicPort = ChosenPort();
    choice.assistance = m_assistance;
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    Finish(CheckBladderDetails(choice),
           [&] { ApplyBladderDetails(m_working, m_stored, choice, pHeld ? *pHeld : m_working); });
}
