// "Choose Accessory Type": the accessories for the chosen accumulator size, with the description
// and picture of the one highlighted.
#pragma once

#include "models/AccessoryList.h"
#include "products/ProductDialog.h"

#include <vector>

class CAccessoryBase;
class CPictureBox;
class QListWidget;
class QPlainTextEdit;

class CAccessoryType : public CProductDialog
{
    Q_OBJECT

public:
    CAccessoryType(CAccumulatorObject& product, CAccessoryBase& working, QWidget* pParent = nullptr);

    QListWidget* AccessoryList() const { return m_pList; }
    QPlainTextEdit* Description() const { return m_pDescription; }
    CPictureBox* Picture() const { return m_pPicture; }
    const std::vector<SAccessory>& Accessories() const { return m_accessories; }

protected:
    // The chosen accessory into the working copy; an accessory must be chosen.
    void OnOk() override;

private:
    void ShowAccessory(int nRow);

    CAccessoryBase& m_working;
    std::vector<SAccessory> m_accessories;
    QListWidget* m_pList;
    QPlainTextEdit* m_pDescription;
    CPictureBox* m_pPicture;
    bool m_bPictureErrorShown = false;
};
