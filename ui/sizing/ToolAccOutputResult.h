// "Results" of the output of an existing accumulator: the fluid delivered in three volume
// units, the precharge in two pressure units and the polytropic exponent.
#pragma once

#include "sizing/EntryDialog.h"
#include "sizing/SizingTools.h"

#include <array>

class CStaticNumeric;
class QLabel;

class CToolAccOutputResult : public CEntryDialog
{
    Q_OBJECT

public:
    // A caption that is not empty replaces "Required Accumulator Capacity:". An outcome that
    // delivers nothing shows zeros and its notice in a message box as the dialog opens.
    CToolAccOutputResult(CAccumulatorObject& product, const std::string& strCaption,
                         const sizing::SOutputExistingOutcome& outcome, QWidget* pParent = nullptr);

    QLabel* CaptionLabel() const { return m_pCaption; }
    // 0 to 2: cubic inches, gallons, litres; 3 and 4: psig and bar; 5: the exponent.
    CStaticNumeric* Value(int nIndex) const { return m_values[static_cast<std::size_t>(nIndex)]; }

protected:
    void OnOk() override;

private:
    QLabel* m_pCaption;
    std::array<CStaticNumeric*, 6> m_values{};
};
