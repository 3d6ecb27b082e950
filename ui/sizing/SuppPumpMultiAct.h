// The event list of "Supplementing Pump Flow - Multiple Events": pressures, the cycle's duration
// and its actuator events.
#pragma once

#include "selection/AccumulatorData.h"
#include "sizing/SizingDialog.h"

#include <cstddef>
#include <optional>

class QTableWidget;

class CSuppPumpMultiAct : public CSizingDialog
{
    Q_OBJECT

public:
    CSuppPumpMultiAct(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                      QWidget* pParent = nullptr);

    CEditNumeric* MaxPressure() const { return m_pMax; }
    CEditNumeric* MinPressure() const { return m_pMin; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* TotalDuration() const { return m_pTotal; }
    QTableWidget* Grid() const { return m_pGrid; }

    // The buttons' actions, also for tests.
    void OnAddActuator();
    void OnAddEvent();
    void OnEditEvent(int nRow);
    void OnDeleteEvent();

protected:
    void OnOk() override;

private:
    void ReadEntries();
    // The list's checks, run before an event is added; false when refused.
    bool EntriesPass();
    // Opens the editor for ev; OK places it. nEdited: the listed event it replaces.
    void Edit(const SEvent& ev, std::optional<std::size_t> nEdited);
    SEvent NewEvent(int iActNo) const;
    void FillGrid();
    std::optional<std::size_t> Highlighted() const;

    CEditNumeric* m_pMax;
    CEditNumeric* m_pMin;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pTotal;
    QTableWidget* m_pGrid;
};
