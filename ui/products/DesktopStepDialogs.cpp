// The desktop's step and tool dialogs; steps this version does not have yet say so and cancel.
#include "products/DesktopStepDialogs.h"

#include "app/DialogRunner.h"
#include "models/AccumulatorChooseModel.h"
#include "models/DetailsPiston1.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "products/ChooseProduct.h"
#include "selection/AccumulatorData.h"
#include "sizing/DescribeApplication.h"
#include "units/UnitConverter.h"

#include <QApplication>

namespace
{
// Tells the user that a step or tool is still to come; the step ends as cancelled.
int NotYetAvailable(const std::string& strWhat)
{
    GetPrompt().Message("\"" + strWhat + "\" is not available in this version yet.");
    return dlg::Cancel;
}

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

int CDesktopStepDialogs::SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&)
{
    return NotYetAvailable("Select Gas Bottle");
}

int CDesktopStepDialogs::ChooseDetails(CAccumulatorObject& product, CAccumulatorData& working,
                                       CAccumulatorData& result)
{
    if (working.strAccumulatorType == "Piston")
    {
        CDetailsPiston1 dialog(product, working, result, Parent());
        return GetDialogRunner().Run(dialog);
    }
    // Bladder, diaphragm and gas bottle details come with their own dialogs.
    return NotYetAvailable(LoadString(809));
}

int CDesktopStepDialogs::OvrisolSizeSelection(CAccumulatorObject&, COvrisolBase&, COvrisolBase&)
{
    return NotYetAvailable("Ovrisol Size Selection Method");
}

int CDesktopStepDialogs::OvrisolChooseModel(CAccumulatorObject&, COvrisolBase&, COvrisolBase&)
{
    return NotYetAvailable("Choose Ovrisol Model");
}

int CDesktopStepDialogs::ChooseTransferBarrier(CAccumulatorObject&, CTransferBase&)
{
    return NotYetAvailable("Choose Transfer Barrier Accumulator");
}

int CDesktopStepDialogs::ChooseAccessory(CAccumulatorObject&, CAccessoryBase&)
{
    return NotYetAvailable("Accessories - Choose Accumulator Type");
}

int CDesktopStepDialogs::ChooseRepairKit(CAccumulatorObject&, CRepairKitBase&)
{
    return NotYetAvailable("Repair Kit Selection");
}

void CDesktopStepDialogs::RunTool(CAccumulatorObject&, int nTool)
{
    switch (nTool)
    {
    case kToolUnitConversion:
    {
        CUnitConverter dialog(Parent());
        GetDialogRunner().Run(dialog);
        break;
    }
    case 0:
        NotYetAvailable("Existing Accumulator Output");
        break;
    case 1:
        NotYetAvailable("Effects Of Temperature On Precharge");
        break;
    default:
        break;
    }
}
