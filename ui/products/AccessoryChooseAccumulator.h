// "Accessories - Choose Accumulator Type": the accumulator type and size the accessory is for.
#pragma once

#include "models/AccessoryList.h"
#include "products/ProductDialog.h"

#include <string>
#include <vector>

class CAccessoryBase;
class QListWidget;
class QTableWidget;

class CAccessoryChooseAccumulator : public CProductDialog
{
    Q_OBJECT

public:
    CAccessoryChooseAccumulator(CAccumulatorObject& product, CAccessoryBase& working, QWidget* pParent = nullptr);

    QListWidget* TypeList() const { return m_pTypes; }
    QTableWidget* SizeGrid() const { return m_pGrid; }
    const std::vector<SAccessorySize>& Sizes() const { return m_sizes; }
    const std::string& Type() const { return m_strType; }

protected:
    // The type and size into the working copy, then the accessory itself.
    void OnOk() override;

private:
    void OnTypeChanged();
    void FillGrid();

    CAccessoryBase& m_working;
    std::string m_strType;
    std::vector<SAccessorySize> m_sizes;
    QListWidget* m_pTypes;
    QTableWidget* m_pGrid;
};
