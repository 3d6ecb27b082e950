// "Choose Accumulator Details - Bladder Type": bladder compound, construction, modification,
// certification and fluid port of a bladder model, written into the selection.
#pragma once

#include "models/BladderDetails.h"
#include "models/DetailsDialog.h"

class CCodeComboBox;
class QLabel;
class QListWidget;

class CDetailsBladder1 : public CDetailsDialog
{
    Q_OBJECT

public:
    CDetailsBladder1(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                     QWidget* pParent = nullptr);

    CCodeComboBox* ConstructionBox() const { return m_pConstruction; }
    CCodeComboBox* ModificationBox() const { return m_pModification; }
    CCodeComboBox* CertificationBox() const { return m_pCertification; }
    QListWidget* HydraulicPortList() const { return m_pPorts; }
    // The size of the fluid port chosen.
    QLabel* PortSize() const { return m_pPortSize; }

    void OnOk() override;

private:
    void FillAll();
    void ShowPortSize();
    std::optional<CPartCode> ChosenPort() const;

    SDetailList m_constructions;
    SDetailList m_modifications;
    SDetailList m_certifications;
    SHydraulicPortList m_ports;

    CCodeComboBox* m_pConstruction;
    CCodeComboBox* m_pModification;
    CCodeComboBox* m_pCertification;
    QListWidget* m_pPorts;
    QLabel* m_pPortSize;
};
