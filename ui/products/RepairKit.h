// "Repair Kit Selection": the kind of repair kit, then the kit itself.
#pragma once

#include "products/ProductDialog.h"

class CRepairKitBase;
class QListWidget;

class CRepairKit : public CProductDialog
{
    Q_OBJECT

public:
    CRepairKit(CAccumulatorObject& product, CRepairKitBase& working, QWidget* pParent = nullptr);

    QListWidget* KitTypeList() const { return m_pList; }

protected:
    // The kind into the working copy, then "Select Repair Kit".
    void OnOk() override;

private:
    CRepairKitBase& m_working;
    QListWidget* m_pList;
};
