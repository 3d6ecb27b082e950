// The product object's steps for reservoir isolators, accessories, repair kits and transfer barriers:
// which copies the dialogs get, what becomes the selection, the levels, flags and buttons.
#include "ScriptedDialogs.h"

TEST(OtherProductSteps, ReservoirIsolatorSizesThenChoosesOnTwoCopies)
{
    SFixture f;
    f.Choose(prod::ReservoirIsolator);
    ASSERT_NE(f.product.SelectionAs<COvrisolBase>(), nullptr);
    EXPECT_EQ(f.product.SelectionAs<COvrisolBase>()->cpcBladderCode.m_strCode, "-N"); // level 0 reset ran
    EXPECT_EQ(f.States(), (std::vector<int>{1, 1, 0, 0}));

    // The capacity step: the working copy keeps what was there, the result is reset from step 1.
    f.product.SelectionAs<COvrisolBase>()->strText1 = "kept";
    f.product.SelectionAs<COvrisolBase>()->cudHighFluidLevel.Set(40.0, "IN");
    f.dialogs.m_ovrisol = [](COvrisolBase& a, COvrisolBase& b)
    {
        EXPECT_EQ(a.cudHighFluidLevel, CUnitDouble(40.0, "IN"));
        EXPECT_EQ(b.cudHighFluidLevel.Value(), 0.0);
        EXPECT_EQ(b.strText1, "kept");
        b.cudCombinedCapacity.Set(18.0, "L");
        return dlg::Ok;
    };
    f.product.PerformButtonAction(101);
    const COvrisolBase* pHeld = f.product.SelectionAs<COvrisolBase>();
    EXPECT_EQ(pHeld->m_nLevel, 1);
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(1), "Required Volume: 18 L");
    EXPECT_EQ(f.States(), (std::vector<int>{1, 1, 1, 0}));
    EXPECT_FALSE(f.product.m_bPartNumberAvailable);

    // The model step: the result is reset from step 2 and becomes the selection, complete.
    f.dialogs.m_ovrisol = [](COvrisolBase& a, COvrisolBase& b)
    {
        EXPECT_EQ(a.cudCombinedCapacity, CUnitDouble(18.0, "L"));
        EXPECT_EQ(b.cudCombinedCapacity, CUnitDouble(18.0, "L"));
        b.cpcSeriesCode = CPartCode("OV", 1);
        b.cpcSizeCode = CPartCode("-5", 2);
        return dlg::Ok;
    };
    f.product.PerformButtonAction(102);
    EXPECT_EQ(f.product.SelectionAs<COvrisolBase>()->m_nLevel, 2);
    EXPECT_TRUE(f.product.IsSelectionComplete());
    // The default bladder is a code text without a position until the model dialog picks it.
    EXPECT_EQ(f.product.GetPartNumberDisplayText(), "OV-5");
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(3), "");

    // A cancelled step changes nothing (a new capacity clearing the model: the desktop isolator test).
    f.dialogs.m_ovrisol = [](COvrisolBase&, COvrisolBase& b)
    {
        b.cudCombinedCapacity.Set(99.0, "L");
        return dlg::Cancel;
    };
    f.product.PerformButtonAction(101);
    EXPECT_EQ(f.product.SelectionAs<COvrisolBase>()->cudCombinedCapacity, CUnitDouble(18.0, "L"));
    EXPECT_TRUE(f.product.IsSelectionComplete());
}

TEST(OtherProductSteps, CatalogueProductsTakeTheEditedCopyAsTheSelection)
{
    for (int nProdId : {prod::Accessories, prod::RepairKit, prod::TransferBarrier})
    {
        SFixture f;
        f.Choose(nProdId);
        EXPECT_EQ(f.States(), (std::vector<int>{1, 0, 1, 0})) << nProdId;
        EXPECT_EQ(f.product.GetButtonSelectionDisplayText(0), "Product " + std::to_string(nProdId));
        // Cancelled: the copy's edits are lost.
        f.dialogs.m_catalogue = [](CBaseProduct& a)
        {
            a.m_lstDefaultCodes = {CPartCode("X", 1)};
            return dlg::Cancel;
        };
        f.product.PerformButtonAction(102);
        EXPECT_TRUE(f.product.CurrentSelection()->m_lstDefaultCodes.empty()) << nProdId;
        EXPECT_FALSE(f.product.IsSelectionComplete());
        // OK: that very copy is the selection, at level 2 and complete.
        const CBaseProduct* pEdited = nullptr;
        f.dialogs.m_catalogue = [&](CBaseProduct& a)
        {
            pEdited = &a;
            a.m_lstDefaultCodes = {CPartCode("X", 1)};
            return dlg::Ok;
        };
        f.product.PerformButtonAction(102);
        EXPECT_EQ(f.product.CurrentSelection(), pEdited) << nProdId;
        EXPECT_EQ(f.product.CurrentSelection()->m_nLevel, 2);
        EXPECT_TRUE(f.product.IsSelectionComplete());
        EXPECT_TRUE(f.product.m_bPartNumberAvailable);
        EXPECT_TRUE(f.product.IsDirty());
        // No application step, and the other steps do nothing.
        f.product.PerformButtonAction(101);
        f.product.PerformButtonAction(103);
        EXPECT_EQ(f.product.CurrentSelection(), pEdited);
    }
}
