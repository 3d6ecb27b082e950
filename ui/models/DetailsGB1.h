// "Gas Bottle Details": the gas port and the gas valve port of a GB series bottle, written
// into the selection.
#pragma once

#include "models/DetailsDialog.h"
#include "models/GasBottleDetails.h"

class CCodeComboBox;

class CDetailsGB1 : public CDetailsDialog
{
    Q_OBJECT

public:
    CDetailsGB1(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                QWidget* pParent = nullptr);

    CCodeComboBox* GasPortBox() const { return m_pGasPort; }
    CCodeComboBox* ValvePortBox() const { return m_pValvePort; }

    void OnOk() override;

private:
    SDetailList m_gasPorts;
    SDetailList m_valvePorts;

    CCodeComboBox* m_pGasPort;
    CCodeComboBox* m_pValvePort;
};
