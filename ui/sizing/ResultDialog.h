// "Results": the required capacity, the precharge and the polytropic exponents of a sizing calculation.
#pragma once

#include "sizing/SizingDialog.h"

class CSizingComparisonPanel;

class CResultDialog : public CSizingDialog
{
    Q_OBJECT

public:
    // With bDisplayOnly OK only closes the dialog; the application dialogs open it without.
    CResultDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                  bool bDisplayOnly = false, QWidget* pParent = nullptr);

    // 0 capacity in3, 1 gal, 2 L, 3 precharge psig, 4 bar, 5 exponent, 6 charging exponent.
    CStaticNumeric* Figure(int nIndex) const { return m_figures[nIndex]; }
    QLabel* ChargingCaption() const { return m_pChargingCaption; }
    QLabel* CriticalEvent() const { return m_pCriticalEvent; }
    // "Gas State...": the chart of the sized accumulator's discharge; disabled without one.
    QPushButton* GasStateButton() const { return m_pGasState; }
    // The ideal-gas sizes and the operating range beside a sized volume.
    CSizingComparisonPanel* Comparison() const { return m_pComparison; }

protected:
    void OnOk() override;

private:
    void ShowFigures();
    void OnGasState();

    bool m_bDisplayOnly;
    CStaticNumeric* m_figures[7];
    QLabel* m_pChargingCaption;
    QLabel* m_pCriticalEvent;
    QPushButton* m_pGasState;
    CSizingComparisonPanel* m_pComparison;
};
