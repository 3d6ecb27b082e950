// "Gas State": the chart of the sized accumulator's discharge, opened from the results.
#pragma once

#include <QDialog>

class CAccumulatorData;
class QChartView;

class CGasStateDialog : public QDialog
{
    Q_OBJECT

public:
    // strVolumeUnit: the unit the gas volume is shown in; pressure and temperature take
    // the units the user entered them in.
    CGasStateDialog(const CAccumulatorData& data, const std::string& strVolumeUnit, QWidget* pParent = nullptr);

    QChartView* ChartView() const { return m_pView; }

private:
    QChartView* m_pView;
};
