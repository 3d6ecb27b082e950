// Beside the results: the ideal-gas sizes of the same entries, and the sized accumulator over the
// operating temperature range.
#pragma once

#include <QWidget>

#include <string>

class CAccumulatorData;
class QLabel;
class QGroupBox;
namespace sizing
{
struct SSizingComparison;
}

class CSizingComparisonPanel : public QWidget
{
    Q_OBJECT

public:
    // Shows what the comparison holds; an empty panel for a selection without one.
    CSizingComparisonPanel(const CAccumulatorData& sel, const sizing::SSizingComparison& comparison,
                           QWidget* pParent = nullptr);

    QGroupBox* Bounds() const { return m_pBounds; }
    QGroupBox* Range() const { return m_pRange; }
    // The lines under the range's table: the precharge rule, then each shortfall (or why there are none).
    QLabel* PrechargeRule() const { return m_pPrechargeRule; }
    QLabel* Warnings() const { return m_pWarnings; }

private:
    QGroupBox* m_pBounds = nullptr;
    QGroupBox* m_pRange = nullptr;
    QLabel* m_pPrechargeRule = nullptr;
    QLabel* m_pWarnings = nullptr;
};
