// "Choose Accumulator Details - Diaphragm Type": diaphragm compound, construction and
// certification of a diaphragm model, written into the selection.
#pragma once

#include "models/DetailsDialog.h"
#include "models/DiaphragmDetails.h"

class CCodeComboBox;

class CDetailsDiaphragm : public CDetailsDialog
{
    Q_OBJECT

public:
    CDetailsDiaphragm(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                      QWidget* pParent = nullptr);

    CCodeComboBox* ConstructionBox() const { return m_pConstruction; }
    CCodeComboBox* CertificationBox() const { return m_pCertification; }

    void OnOk() override;

private:
    SDetailList m_constructions;
    SDetailList m_certifications;

    CCodeComboBox* m_pConstruction;
    CCodeComboBox* m_pCertification;
};
