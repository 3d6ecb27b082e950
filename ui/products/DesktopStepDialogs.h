// The desktop's dialogs for the workflow steps and tools, opened through the dialog runner.
#pragma once

#include "product/StepDialogs.h"

#include <QPointer>
#include <QWidget>

class CDesktopStepDialogs : public IStepDialogs
{
public:
    // The window the dialogs are centred on; the main window, once it exists.
    void SetParentWindow(QWidget* pParent) { m_pParent = pParent; }

    int ChooseProduct(CAccumulatorObject& product) override;
    int DescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                            CAccumulatorData& result) override;
    int ChooseModel(CAccumulatorObject& product, CAccumulatorData& working,
                    CAccumulatorData& result) override;
    int SelectGasBottle(CAccumulatorObject& product, CAccumulatorData& working,
                        CAccumulatorData& result) override;
    int ChooseDetails(CAccumulatorObject& product, CAccumulatorData& working,
                      CAccumulatorData& result) override;
    int OvrisolSizeSelection(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored) override;
    int OvrisolChooseModel(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored) override;
    int ChooseTransferBarrier(CAccumulatorObject& product, CTransferBase& working) override;
    int ChooseAccessory(CAccumulatorObject& product, CAccessoryBase& working) override;
    int ChooseRepairKit(CAccumulatorObject& product, CRepairKitBase& working) override;
    void RunTool(CAccumulatorObject& product, int nTool) override;

private:
    QWidget* Parent() const;

    QPointer<QWidget> m_pParent;
};
