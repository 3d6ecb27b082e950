// "Choose Accumulator Details - Piston Type": seal, ports, construction and approval, options
// and port modifications of a piston model, written into the selection.
#pragma once

#include "models/DetailsDialog.h"
#include "models/PistonDetails.h"

#include <QList>

class CCodeComboBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

class CDetailsPiston1 : public CDetailsDialog
{
    Q_OBJECT

public:
    // The working copy keeps the earlier choices; the stored copy is the step's result.
    CDetailsPiston1(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                    QWidget* pParent = nullptr);

    CCodeComboBox* PortBox() const { return m_pPort; }
    QComboBox* ConstructionBox() const { return m_pConstruction; }
    CCodeComboBox* ApprovalBox() const { return m_pApproval; }
    // One check box per option, in the catalogue's order.
    const QList<QCheckBox*>& OptionBoxes() const { return m_options.boxes; }
    CCodeComboBox* PortTypeBox() const { return m_pPortType; }
    CCodeComboBox* PortSizeBox() const { return m_pPortSize; }
    CCodeComboBox* GasPortTypeBox() const { return m_pGasType; }
    CCodeComboBox* GasPortSizeBox() const { return m_pGasSize; }
    QLabel* StandardPorts() const { return m_pStandard; }

    void OnOk() override;

private:
    void FillAll();
    void OnPortChanged();
    void OnConstructionChanged();
    void OnPortTypeChanged(EPortSide eSide);
    // The port code of the ports list, or the held one when the list is empty.
    std::string PortCode() const;

    SDetailList m_ports;
    SDetailList m_constructions;
    SDetailList m_approvals;
    struct
    {
        SOptionList list;
        QList<QCheckBox*> boxes;
    } m_options;
    SPortModificationLists m_portLists;

    CCodeComboBox* m_pPort;
    QComboBox* m_pConstruction;
    CCodeComboBox* m_pApproval;
    QWidget* m_pOptionArea;
    QLabel* m_pStandard;
    QGroupBox* m_pHydraulic;
    QGroupBox* m_pGas;
    CCodeComboBox* m_pPortType;
    CCodeComboBox* m_pPortSize;
    CCodeComboBox* m_pGasType;
    CCodeComboBox* m_pGasSize;
};
