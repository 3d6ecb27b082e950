// "Actuator Event Information": one event of the multiple-events cycle, placed in the list on OK.
#pragma once

#include "selection/AccumulatorData.h"
#include "sizing/SizingDialog.h"

#include <cstddef>
#include <optional>

class QButtonGroup;
class QRadioButton;

class CSupPumpMultiEvent : public CSizingDialog
{
    Q_OBJECT

public:
    // ev: the event shown (a new one, or a copy of the listed event nEdited). OK places it in
    // the working selection's events, checked against its total duration of the cycle.
    CSupPumpMultiEvent(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                       const SEvent& ev, std::optional<std::size_t> nEdited, QWidget* pParent = nullptr);

    // The volume choices and strokes, numbered as enumActVolForEvent and eExtendRetract.
    QRadioButton* VolumeChoice(int nChoice) const;
    QRadioButton* StrokeChoice(int nChoice) const;
    QRadioButton* PumpAvailable(bool bYes) const;
    CEditNumeric* Actuator() const { return m_pActuator; }
    CEditNumeric* EventNumber() const { return m_pEvent; }
    CEditNumeric* Start() const { return m_pStart; }
    CEditNumeric* Duration() const { return m_pDuration; }
    CEditNumeric* Flow() const { return m_pFlow; }
    CComboUnit* FlowUnit() const { return m_pFlowUnit; }
    CEditNumeric* Volume() const { return m_pVolume; }
    CComboUnit* VolumeUnit() const { return m_pVolumeUnit; }
    CEditNumeric* Bore() const { return m_pBore; }
    CComboUnit* DistanceUnit() const { return m_pDistanceUnit; }
    CEditNumeric* Rod() const { return m_pRod; }
    CEditNumeric* Stroke() const { return m_pStroke; }
    // The event as the editor completed and placed it (after OK).
    const SEvent& PlacedEvent() const { return m_event; }

protected:
    void OnOk() override;

private:
    void EnableForChoice(int nChoice);
    SEvent ReadEvent() const;

    SEvent m_event;
    std::optional<std::size_t> m_nEdited;
    CEditNumeric* m_pActuator;
    CEditNumeric* m_pEvent;
    QButtonGroup* m_pPump;
    CEditNumeric* m_pStart;
    CEditNumeric* m_pDuration;
    QButtonGroup* m_pChoice;
    CEditNumeric* m_pFlow;
    CComboUnit* m_pFlowUnit;
    CEditNumeric* m_pVolume;
    CComboUnit* m_pVolumeUnit;
    CEditNumeric* m_pBore;
    CComboUnit* m_pDistanceUnit;
    CEditNumeric* m_pRod;
    CEditNumeric* m_pStroke;
    QButtonGroup* m_pStrokes;
};
