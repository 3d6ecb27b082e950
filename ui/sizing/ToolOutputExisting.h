// "Calculate the Output of Existing Accumulator": the fluid an accumulator the user already has
// delivers between two pressures; its entries live in the dialog, not in the selection.
#pragma once

#include "sizing/EntryDialog.h"
#include "sizing/PrechargeDisplay.h"
#include "sizing/SizingTools.h"

class CEditNumeric;
class CStaticNumeric;
class QButtonGroup;
class QLabel;
class QRadioButton;

class CToolOutputExisting : public CEntryDialog
{
    Q_OBJECT

public:
    explicit CToolOutputExisting(CAccumulatorObject& product, QWidget* pParent = nullptr);

    // Precharge choices.
    static constexpr int kIHave = 0;
    static constexpr int kPiston = 1;
    static constexpr int kBladder = 2;

    CEditNumeric* MaxPressure() const { return m_pMax; }
    CComboUnit* PressureUnit() const { return m_pPressureUnit; }
    CEditNumeric* MinPressure() const { return m_pMin; }
    QLabel* MinimumUnit() const { return m_pMinUnit; }
    CEditNumeric* DischargeTime() const { return m_pTime; }
    CEditNumeric* Volume() const { return m_pVolume; }
    CComboUnit* VolumeUnit() const { return m_pVolumeUnit; }
    CEditNumeric* Temperature() const { return m_pTemperature; }
    CComboUnit* TemperatureUnit() const { return m_pTemperatureUnit; }
    QRadioButton* PrechargeChoice(int nChoice) const;
    CEditNumeric* Precharge() const { return m_pPrecharge; }
    CStaticNumeric* PistonOptimum() const { return m_pPistonOptimum; }
    CStaticNumeric* BladderOptimum() const { return m_pBladderOptimum; }

protected:
    void OnOk() override;

private:
    // The optima for the minimum as entered, in its unit, shown beside their choices.
    void RecomputeOptima();
    // The entries; the precharge entry counts only while its choice is checked.
    sizing::SOutputExistingEntries Entries() const;

    CEditNumeric* m_pMax;
    CComboUnit* m_pPressureUnit;
    CEditNumeric* m_pMin;
    QLabel* m_pMinUnit;
    CEditNumeric* m_pTime;
    CEditNumeric* m_pVolume;
    CComboUnit* m_pVolumeUnit;
    CEditNumeric* m_pTemperature;
    CComboUnit* m_pTemperatureUnit;
    QButtonGroup* m_pChoice;
    CEditNumeric* m_pPrecharge;
    CStaticNumeric* m_pPistonOptimum;
    CStaticNumeric* m_pBladderOptimum;
};
