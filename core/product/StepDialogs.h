// The dialogs of the workflow steps and tools, as the product object opens them.
// The desktop implements them; each later feature plugs its dialogs in here.
#pragma once

class CAccumulatorObject;
class CAccumulatorData;
class CAccessoryBase;
class COvrisolBase;
class CRepairKitBase;
class CTransferBase;

// Dialog results: 1 OK, 2 Cancel, 2100 close the whole chain (also: nothing changed).
namespace dlg
{
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int CloseChain = 2100;
} // namespace dlg

class IStepDialogs
{
public:
    virtual ~IStepDialogs() = default;
    // "Choose Product": stores the chosen product in the product object.
    virtual int ChooseProduct(CAccumulatorObject& product) = 0;
    // "Describe Application" for an accumulator chosen by application.
    virtual int DescribeApplication(CAccumulatorObject& product, CAccumulatorData& working,
                                    CAccumulatorData& result) = 0;
    // "Choose Model" for an accumulator; "Select Gas Bottle" for a gas bottle.
    virtual int ChooseModel(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& result) = 0;
    virtual int SelectGasBottle(CAccumulatorObject& product, CAccumulatorData& working,
                                CAccumulatorData& result) = 0;
    // "Choose Details" for the chosen type: "Piston", "Bladder", "Diaphragm" or "GB".
    virtual int ChooseDetails(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& result) = 0;
    // A reservoir isolator's capacity step ("Ovrisol Size Selection Method") and model step.
    // (The other products' steps end as cancelled unless an implementation opens their dialogs.)
    virtual int OvrisolSizeSelection(CAccumulatorObject&, COvrisolBase&, COvrisolBase&) { return dlg::Cancel; }
    virtual int OvrisolChooseModel(CAccumulatorObject&, COvrisolBase&, COvrisolBase&) { return dlg::Cancel; }
    // The model step of the products chosen straight from the catalogue: the dialogs edit the
    // working copy, which becomes the selection when they end with OK.
    virtual int ChooseTransferBarrier(CAccumulatorObject&, CTransferBase&) { return dlg::Cancel; }
    virtual int ChooseAccessory(CAccumulatorObject&, CAccessoryBase&) { return dlg::Cancel; }
    virtual int ChooseRepairKit(CAccumulatorObject&, CRepairKitBase&) { return dlg::Cancel; }
    // The tools: 0 output of an existing accumulator, 1 effect of temperature on
    // precharge, 2 unit conversion.
    virtual void RunTool(CAccumulatorObject& product, int nTool) = 0;
};
