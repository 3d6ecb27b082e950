// "Choose Accumulator Details - Diaphragm Type": the three lists and OK.
#include "models/DetailsDiaphragm.h"

#include "controls/CodeComboBox.h"
#include "models/ModelDialogs.h"
#include "product/AccumulatorObject.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CDetailsDiaphragm::CDetailsDiaphragm(CAccumulatorObject& product, CAccumulatorData& working,
                                     CAccumulatorData& stored, QWidget* pParent)
    : CDetailsDialog(
          product, working, stored,
          QCoreApplication::translate("CDetailsDiaphragm", "Choose Accumulator Details - Diaphragm Type"),
          "CDetailsDiaphragm", pParent)
{
    using modeldlg::Caption;
    QPushButton* pAssistance = MakeSealBox();
    CCodeComboBox* pSeal = SealBox();
    m_pConstruction = CodeBox(this);
    m_pCertification = CodeBox(this);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(Caption(QCoreApplication::translate("CDetailsDiaphragm", "&Diaphragm"), this, pSeal), 0,
                     0);
    pGrid->addWidget(pSeal, 0, 1);
    pGrid->addWidget(pAssistance, 1, 1, Qt::AlignLeft);
    pGrid->addWidget(
        Caption(QCoreApplication::translate("CDetailsDiaphragm", "C&onstruction"), this, m_pConstruction), 2,
        0);
    pGrid->addWidget(m_pConstruction, 2, 1);
    pGrid->addWidget(
        Caption(QCoreApplication::translate("CDetailsDiaphragm", "C&ertification"), this, m_pCertification),
        3, 0);
    pGrid->addWidget(m_pCertification, 3, 1);
    pGrid->setColumnStretch(1, 1);
    pGrid->setRowStretch(4, 1);
    SetContent(pGrid);
    setTabOrder(pSeal, pAssistance);
    setTabOrder(pAssistance, m_pConstruction);
    setTabOrder(m_pConstruction, m_pCertification);

    FillSeals(m_working.cpcSealCode.m_strCode);
    Read([&](IDatabase& db) { m_constructions = DiaphragmConstructionList(m_working, db); });
    modeldlg::FillBox(*m_pConstruction, m_constructions, false);
    Read([&](IDatabase& db) { m_certifications = DiaphragmCertificationList(m_working, db); });
    modeldlg::FillBox(*m_pCertification, m_certifications, false);
    pSeal->setFocus();
}

void CDetailsDiaphragm::OnOk()
{
    SDiaphragmDetailChoice choice;
    choice.seal = Choice(*SealBox(), m_seals);
    choice.construction = Choice(*m_pConstruction, m_constructions);
    choice.certification = Choice(*m_pCertification, m_certifications);
    choice.assistance = m_assistance;
    const CAccumulatorData* pHeld = m_product.AccumulatorData();
    Finish(CheckDiaphragmDetails(choice),
           [&] { ApplyDiaphragmDetails(m_working, m_stored, choice, pHeld ? *pHeld : m_working); });
}
