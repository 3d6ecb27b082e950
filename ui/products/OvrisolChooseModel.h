// "Choose Ovrisol Model": the sizes that take the required capacity, each in its constructions,
// the bladder, and the seal assistant for the bladder.
#pragma once

#include "models/OvrisolModel.h"
#include "products/ProductDialog.h"

#include <vector>

class COvrisolBase;
class QComboBox;
class QTreeWidget;

class COvrisolChooseModel : public CProductDialog
{
    Q_OBJECT

public:
    COvrisolChooseModel(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored,
                        QWidget* pParent = nullptr);

    const std::vector<SOvrisolSize>& Sizes() const { return m_sizes; }
    QTreeWidget* SizeList() const { return m_pSizes; }
    QComboBox* BladderBox() const { return m_pBladder; }
    // The size chosen in the list, or -1.
    int ChosenSize() const;

    // "Selection Assistance": the seal assistant for reservoir isolator bladders ("OV").
    void OnSelectionAssistance();

protected:
    // The chosen size, construction, bladder and fixed codes into the result; a size must be chosen.
    void OnOk() override;
    std::string ReferenceSeries() const override;

private:
    void FillSizes();
    void FillBladders();

    COvrisolBase& m_working;
    COvrisolBase& m_stored;
    std::vector<SOvrisolSize> m_sizes;
    SDetailList m_bladders;
    QTreeWidget* m_pSizes;
    QComboBox* m_pBladder;
};
