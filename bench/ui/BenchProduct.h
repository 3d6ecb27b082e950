// The product object of the dialog benchmarks: the built catalogue, silent prompts, the steps up to a
// chosen model done without windows; and a dialog shown once (offscreen).
#pragma once

#include "models/AccumulatorChooseModel.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"
#include "units/DefaultUnits.h"

#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

class CSilentPrompt : public IPrompt
{
public:
    void Message(const std::string&) override {}
    EPromptAnswer YesNo(const std::string&) override { return EPromptAnswer::Yes; }
    EPromptAnswer YesNoCancel(const std::string&) override { return EPromptAnswer::Yes; }
};

class CBenchHost : public IProductHost
{
public:
    std::filesystem::path CatalogueFolder() const override { return TESMARA_BUILT_CATALOGUE_DIR; }
    std::filesystem::path ApplicationFolder() const override
    {
        return std::filesystem::temp_directory_path();
    }
    std::string LanguageCode() const override { return "US"; }
    std::string LanguageName() const override { return "U.S. English"; }
    int LanguageNameId() const override { return 500; }
    std::string DefaultUnit(int nCategoryId) const override
    {
        return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
    }
    bool OpenDocument(const std::filesystem::path&, std::string&) override { return true; }
    void SetTitle(const std::string&) override {}
    void RefreshPanel() override {}
};

// Sizes a known capacity and takes the first model of a type from the grid, without windows.
class CBenchSteps : public IStepDialogs
{
public:
    int ChooseProduct(CAccumulatorObject& product) override
    {
        return product.SetProduct(prod::Accumulator, "Accumulators", std::string()) ? dlg::Ok : dlg::Cancel;
    }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData& result) override
    {
        result.strApplicationText = "I know the required accumulator capacity";
        result.deSelectApp = app::KnownCapacity;
        result.sdRequiredAccumulatorVol = CUnitDouble(m_strType == "Diaphragm" ? 100.0 : 600.0, "CU_IN");
        result.sdMaxSysPress = CUnitDouble(3000.0, "PSIG");
        return dlg::Ok;
    }
    int ChooseModel(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& result) override
    {
        CAccumulatorChooseModel dialog(product, working, result);
        const auto& rows = dialog.Search().rows;
        const auto it =
            std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.strType == m_strType; });
        if (it == rows.end())
            return dlg::Cancel;
        dialog.Grid()->selectRow(static_cast<int>(it - rows.begin()));
        dialog.OnOk();
        return dialog.result();
    }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override
    {
        return dlg::Cancel;
    }
    void RunTool(CAccumulatorObject&, int) override {}

    std::string m_strType = "Piston";
};

struct SBenchProduct
{
    CSilentPrompt prompt;
    CScopedPrompt scope{prompt};
    CBenchHost host;
    CBenchSteps steps;
    CAccumulatorObject product{host, steps};

    // nLevel 0: accumulators chosen; 1: the application sized; 2: a model of the type chosen.
    explicit SBenchProduct(int nLevel, const char* pszType = "Piston")
    {
        steps.m_strType = pszType;
        if (!product.Initialize())
            std::abort();
        for (int nStep = 0; nStep <= nLevel; ++nStep)
            product.PerformButtonAction(100 + nStep);
        if (!product.AccumulatorData() || product.AccumulatorData()->m_nLevel != nLevel)
            std::abort();
    }
    // The copies a step works on, as the product object makes them.
    CAccumulatorData Copy(int nLevel)
    {
        CAccumulatorData data(*product.AccumulatorData());
        data.Initialize(nLevel);
        return data;
    }
};

template <class Dialog> void Show(Dialog& dialog)
{
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.isVisible());
    dialog.hide();
}
