// The "Unit Defaults" dialog: one unit list per category, edited into a default-unit table.
#pragma once

#include "units/DefaultUnits.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class CComboUnit;

class CSelectDefaultUnits : public QDialog
{
    Q_OBJECT

public:
    // Edits the current table; on OK every category's unit and UnitType go back into it.
    explicit CSelectDefaultUnits(CDefaultUnits& current,
                                 const CDefaultUnits& metric = CDefaultUnits::Metric(),
                                 const CDefaultUnits& standard = CDefaultUnits::Standard(),
                                 QWidget* pParent = nullptr);

    // 0 metric, 1 U.S. standard, 2 chosen by the user, as the dialog stands.
    int UnitType() const { return m_nUnitType; }
    // Whether all eighteen lists show, rather than the first six.
    bool IsDetailed() const { return m_bDetailed; }

    void accept() override;

private:
    struct SList
    {
        int nCategoryId = 0;
        QGroupBox* pBox = nullptr;
        CComboUnit* pList = nullptr;
    };

    void SelectUnits(const CDefaultUnits& units);
    void ResetTo(const CDefaultUnits& units, int nUnitType);
    void ToggleDetail();

    CDefaultUnits& m_current;
    const CDefaultUnits m_metric;
    const CDefaultUnits m_standard;
    int m_nUnitType;
    bool m_bDetailed = false;
    // Set while the dialog itself selects units, which is no choice of the user's.
    bool m_bSelecting = false;
    std::array<SList, CDefaultUnits::kCategoryCount> m_lists;
    QPushButton* m_pDetail;
};
