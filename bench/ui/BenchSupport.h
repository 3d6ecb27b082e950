// What the dialog benchmarks share: a prompt that answers Yes silently, a host on the built
// catalogue with the U.S. standard units, and a dialog shown and hidden again.
#pragma once

#include "platform/Prompt.h"
#include "product/ProductHost.h"
#include "units/DefaultUnits.h"

#include <QApplication>
#include <benchmark/benchmark.h>

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
    std::filesystem::path ApplicationFolder() const override { return std::filesystem::temp_directory_path(); }
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

template <class Dialog> void Show(Dialog& dialog)
{
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.isVisible());
    dialog.hide();
}
