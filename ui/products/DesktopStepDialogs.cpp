// The desktop's step and tool dialogs.
#include "products/DesktopStepDialogs.h"

#include "app/DialogRunner.h"
#include "models/AccumulatorChooseModel.h"
#include "models/DetailsBladder1.h"
#include "models/DetailsDiaphragm.h"
#include "models/DetailsGB1.h"
#include "models/DetailsPiston1.h"
#include "models/GasBottleSelect.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "products/AccessoryChooseAccumulator.h"
#include "products/ChooseProduct.h"
#include "products/Ovrisol1SizeSelection.h"
#include "products/OvrisolChooseModel.h"
#include "products/RepairKit.h"
#include "products/TransferBarrier.h"
#include "selection/AccumulatorData.h"
#include "sizing/DescribeApplication.h"
#include "sizing/ToolOutputExisting.h"
#include "sizing/ToolTempEffectPrecharge.h"
#include "units/UnitConverter.h"

#include <QApplication>
#include <QCoreApplication>

#include <memory>

namespace
{
constexpr int kToolOutputExisting = 0;
constexpr int kToolTemperaturePrecharge = 1;
constexpr int kToolUnitConversion = 2;
} // namespace

QWidget* CDesktopStepDialogs::Parent() const
{
    return m_pParent ? m_pParent.data() : QApplication::activeWindow();
}

int CDesktopStepDialogs::ChooseProduct(CAccumulatorObject& product)
{
    CChooseProduct dialog(product, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::DescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                                             CAccumulatorData& result)
{
    CDescribeApplication dialog(product, working, result, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::ChooseModel(CAccumulatorObject& product, CAccumulatorData& working,
                                     CAccumulatorData& result)
{
    CAccumulatorChooseModel dialog(product, working, result, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::SelectGasBottle(CAccumulatorObject& product, CAccumulatorData& working,
                                         CAccumulatorData& result)
{
    CGasBottleSelect dialog(product, working, result, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::ChooseDetails(CAccumulatorObject& product, CAccumulatorData& working,
                                       CAccumulatorData& result)
{
    const std::string& strType = working.strAccumulatorType;
    std::unique_ptr<QDialog> pDialog;
    // A bottle chosen as a product of its own gets its ports, whatever the kind of its body.
    if (strType == "GB" || product.ProdId() == prod::GasBottle)
        pDialog = std::make_unique<CDetailsGB1>(product, working, result, Parent());
    else if (strType == "Piston")
        pDialog = std::make_unique<CDetailsPiston1>(product, working, result, Parent());
    else if (strType == "Bladder")
        pDialog = std::make_unique<CDetailsBladder1>(product, working, result, Parent());
    else if (strType == "Diaphragm")
        pDialog = std::make_unique<CDetailsDiaphragm>(product, working, result, Parent());
    else
    {
        // A selection file can carry any text here.
        GetPrompt().Message(
            QCoreApplication::translate("CDesktopStepDialogs",
                                        "The selection holds an accumulator type this program does "
                                        "not know: \"%1\". Please choose the model again.")
                .arg(QString::fromStdString(strType))
                .toStdString());
        return dlg::Cancel;
    }
    return GetDialogRunner().Run(*pDialog);
}

int CDesktopStepDialogs::OvrisolSizeSelection(CAccumulatorObject& product, COvrisolBase& working,
                                              COvrisolBase& stored)
{
    COvrisol1SizeSelection dialog(product, working, stored, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::OvrisolChooseModel(CAccumulatorObject& product, COvrisolBase& working,
                                            COvrisolBase& stored)
{
    COvrisolChooseModel dialog(product, working, stored, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::ChooseTransferBarrier(CAccumulatorObject& product, CTransferBase& working)
{
    CTransferBarrier dialog(product, working, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::ChooseAccessory(CAccumulatorObject& product, CAccessoryBase& working)
{
    CAccessoryChooseAccumulator dialog(product, working, Parent());
    return GetDialogRunner().Run(dialog);
}

int CDesktopStepDialogs::ChooseRepairKit(CAccumulatorObject& product, CRepairKitBase& working)
{
    CRepairKit dialog(product, working, Parent());
    return GetDialogRunner().Run(dialog);
}

void CDesktopStepDialogs::RunTool(CAccumulatorObject& product, int nTool)
{
    std::unique_ptr<QDialog> pDialog;
    switch (nTool)
    {
    case kToolOutputExisting:
        pDialog = std::make_unique<CToolOutputExisting>(product, Parent());
        break;
    case kToolTemperaturePrecharge:
        pDialog = std::make_unique<CToolTempEffectPrecharge>(product, Parent());
        break;
    case kToolUnitConversion:
        pDialog = std::make_unique<CUnitConverter>(Parent());
        break;
    default:
        return;
    }
    GetDialogRunner().Run(*pDialog);
}
