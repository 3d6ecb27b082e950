// The volume graph of a multiple-events cycle, with the minimum pump flow beside it.
#pragma once

#include <QDialog>

class CAccumulatorData;
class CStaticNumeric;
class CUnitDouble;
class QChartView;

class CSuppMultiGraph : public QDialog
{
    Q_OBJECT

public:
    // The cycle of the selection's events with a pump of the size given.
    CSuppMultiGraph(const CAccumulatorData& data, const CUnitDouble& pump, QWidget* pParent = nullptr);

    QChartView* ChartView() const { return m_pView; }
    CStaticNumeric* MinimumPump() const { return m_pMinimumPump; }

private:
    QChartView* m_pView;
    CStaticNumeric* m_pMinimumPump;
};
