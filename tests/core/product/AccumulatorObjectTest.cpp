// The accumulator product object: button states, steps on copies, confirmation, files, references.
#include "RecordingPrompt.h"
#include "ScriptedDialogs.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(AccumulatorObject, ButtonsFollowTheProductAndTheLevel)
{
    SFixture f;
    EXPECT_EQ(f.States(), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(f.product.GetButtonText(2), "Choose Model");
    EXPECT_EQ(f.product.GetButtonText(6), "Need Text");
    f.Choose(1);
    EXPECT_EQ(f.States(), (std::vector<int>{1, 0, 1, 0})); // gas bottles have no application step
    f.Choose(0);
    EXPECT_EQ(f.States(), (std::vector<int>{1, 1, 0, 0}));
    f.Step(101, [](CAccumulatorData& d) { d.strApplicationText = "Auxiliary Power Source"; });
    EXPECT_EQ(f.States(), (std::vector<int>{1, 1, 1, 0}));
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(1), "Auxiliary Power Source");
    EXPECT_EQ(f.product.GetButtonState(7), 1);
    // A product id that names no product is refused before anything changes.
    CPromptCapture capture;
    EXPECT_FALSE(f.product.SetProduct(7, "Hose Assemblies", ""));
    EXPECT_EQ(f.product.ProdId(), 0);
    EXPECT_EQ(capture->Texts(),
              std::vector<std::string>{"\"Hose Assemblies\" (product id 7) is not a product this program can select."});
}

TEST(AccumulatorObject, StepsWorkOnCopiesAndRaiseTheLevel)
{
    SFixture f;
    f.Choose(0);
    EXPECT_TRUE(f.product.IsDirty());
    EXPECT_EQ(f.product.AccumulatorData()->deSelectApp, 8);
    // Cancel changes nothing, whatever the dialog did to its copies.
    f.Step(
        101, [](CAccumulatorData& d) { d.deSelectApp = 3; }, dlg::Cancel);
    EXPECT_EQ(f.product.AccumulatorData()->deSelectApp, 8);
    f.Step(101,
           [](CAccumulatorData& d)
           {
               d.deSelectApp = 3;
               d.strFluidCompatDescription = "kept";
           });
    EXPECT_EQ(f.product.AccumulatorData()->m_nLevel, 1);
    EXPECT_EQ(f.product.AccumulatorData()->strFluidCompatDescription, "kept");
    f.Step(102, [](CAccumulatorData& d) { d.strAccumulatorDesc = "Piston, 4 in Bore"; });
    EXPECT_FALSE(f.product.m_bPartNumberAvailable);
    EXPECT_FALSE(f.product.IsOrderPadEnabled());
    f.Step(103, [](CAccumulatorData&) {});
    EXPECT_TRUE(f.product.m_bPartNumberAvailable);
    EXPECT_TRUE(f.product.IsSelectionComplete());
    EXPECT_TRUE(f.product.IsOrderPadEnabled()) << "a finished selection goes to the order pad";
    // Describing the application again resets the model and the details in the result.
    f.Step(101, [](CAccumulatorData&) {});
    EXPECT_EQ(f.product.AccumulatorData()->m_nLevel, 1);
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(2), "");
}

TEST(AccumulatorObject, ConfirmsOnlyWhenALaterStepHoldsAChoice)
{
    SFixture f;
    CPromptCapture capture;
    f.Choose(0);
    EXPECT_EQ(f.product.ConfirmSelectionChange(0), answer::Yes);
    EXPECT_TRUE(capture->Texts().empty());
    f.Step(101, [](CAccumulatorData& d) { d.strApplicationText = "Holding / Leakage Compensation"; });
    capture->Script({EPromptAnswer::No, EPromptAnswer::Cancel});
    EXPECT_EQ(f.product.ConfirmSelectionChange(0), answer::No);
    EXPECT_EQ(f.product.ConfirmSelectionChange(0), answer::Cancel);
    ASSERT_EQ(capture->Texts().size(), 2u);
    EXPECT_NE(capture->Texts()[0].find("You are changing a previous selection"), std::string::npos);
    EXPECT_EQ(f.product.ConfirmSelectionChange(1), answer::Yes); // steps 2 and 3 are still empty
}

TEST(AccumulatorObject, SaveAndOpenKeepTheSelectionAndReportFailures)
{
    SFixture f;
    CPromptCapture capture;
    f.Choose(0);
    f.Step(101, [](CAccumulatorData& d) { d.strApplicationText = "Shock Suppression"; });
    const CTempFolder folder;
    const fs::path file = folder / "Shock.Ac3";
    ASSERT_TRUE(f.product.SaveData(file));
    EXPECT_FALSE(f.product.IsDirty());
    EXPECT_EQ(f.host.m_strTitle, file.stem().string() + "   Selection");

    f.product.NewData();
    EXPECT_EQ(f.product.ProdId(), prod::NoneChosen);
    ASSERT_TRUE(f.product.LoadData(file));
    EXPECT_EQ(f.product.ProdType(), "Accumulators");
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(1), "Shock Suppression");

    // A damaged file is refused and the open selection stays.
    fs::resize_file(file, 500);
    capture->Clear();
    EXPECT_FALSE(f.product.LoadData(file));
    EXPECT_EQ(capture->Texts().size(), 1u);
    EXPECT_EQ(f.product.GetButtonSelectionDisplayText(1), "Shock Suppression");
    // A save into a missing folder fails aloud.
    EXPECT_FALSE(f.product.SaveData(file.parent_path() / "no-such-folder" / "x.Ac3"));
    EXPECT_EQ(capture->Texts().size(), 2u);
}

TEST(AccumulatorObject, ReferencesHelpAndToolsGoToTheHostAndTheDialogs)
{
    SFixture f;
    CPromptCapture capture;
    f.product.OnReferenceCommand(3); // "Help": the help at its contents, which this host has not
    EXPECT_EQ(f.host.m_helpAsked, std::vector<std::string>{""});
    f.product.ShowHelp("CShockSuppress");
    EXPECT_EQ(f.host.m_helpAsked.back(), "CShockSuppress");
    EXPECT_EQ(capture->Texts(), std::vector<std::string>(2, "The help is not installed."));

    // The contents topic, upper-cased with ".PDF", from the reference folder; "Offer of Sale" by its name.
    EXPECT_EQ(f.product.ViewReferenceTopic(""), 0);
    EXPECT_EQ(capture->Texts().back(), "The reference document \"CONTENTS.PDF\" is not installed.");
    const fs::path folder = f.host.ApplicationFolder();
    for (const char* pszFile : {"CONTENTS.PDF", "OfferOfSale.pdf"})
        std::ofstream(folder / pszFile) << "%PDF";
    EXPECT_EQ(f.product.ViewReferenceTopic(""), 1);
    EXPECT_EQ(f.product.ViewReferenceTopic("contents"), 1); // a topic named without its extension
    f.product.OnReferenceCommand(5);
    EXPECT_EQ(f.host.m_opened, (std::vector<fs::path>{folder / "CONTENTS.PDF", folder / "CONTENTS.PDF",
                                                      folder / "OfferOfSale.pdf"}));

    f.product.OnToolCommand(2);
    EXPECT_EQ(f.dialogs.m_nTool, 2);
}
