// "Effects of Temperature on Precharge": the two temperatures and the two pressures.
#pragma once

#include "sizing/EntryDialog.h"

#include <array>

class CStaticNumeric;

class CToolEffectTempPrechgResult : public CEntryDialog
{
    Q_OBJECT

public:
    CToolEffectTempPrechgResult(CAccumulatorObject& product, const CUnitDouble& beginTemperature,
                                const CUnitDouble& finalTemperature, const CUnitDouble& beginPressure,
                                const CUnitDouble& finalPressure, QWidget* pParent = nullptr);

    // 0 beginning and 1 final temperature, 2 beginning and 3 final pressure.
    CStaticNumeric* Value(int nIndex) const { return m_values[static_cast<std::size_t>(nIndex)]; }

protected:
    void OnOk() override;

private:
    std::array<CStaticNumeric*, 4> m_values{};
};
