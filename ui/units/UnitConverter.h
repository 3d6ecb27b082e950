// The "Unit Conversion" tool dialog: a number converted between two units of one category.
#pragma once

#include "units/UnitDouble.h"

#include <QDialog>

class QComboBox;
class CComboUnit;
class CEditNumeric;

class CUnitConverter : public QDialog
{
    Q_OBJECT

public:
    explicit CUnitConverter(QWidget* pParent = nullptr);

    // The value typed, in the from-unit, and its conversion into the to-unit.
    const CUnitDouble& GetInput() const { return m_cudInput; }
    const CUnitDouble& GetResult() const { return m_cudResult; }

private:
    void OnCategoryChanged();
    void Recompute();

    QComboBox* m_pCategory;
    CEditNumeric* m_pInput;
    CComboUnit* m_pFromUnit;
    CEditNumeric* m_pResult;
    CComboUnit* m_pToUnit;

    CUnitDouble m_cudInput;
    CUnitDouble m_cudResult;
};
