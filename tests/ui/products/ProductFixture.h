// A real accumulator product object on the built catalogue, with a host and dialog runner for tests.
#pragma once

#include "RecordingPrompt.h"
#include "app/DialogRunner.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"
#include "units/DefaultUnits.h"

#include <QDialog>
#include <QPushButton>

#include <filesystem>
#include <functional>

class CTestHost : public IProductHost
{
public:
    std::filesystem::path CatalogueFolder() const override { return m_catalogue; }
    std::filesystem::path ApplicationFolder() const override
    {
        return std::filesystem::temp_directory_path();
    }
    std::string LanguageCode() const override { return "US"; }
    std::string LanguageName() const override { return "U.S. English"; }
    int LanguageNameId() const override { return 500; }
    std::string DefaultUnit(int) const override { return std::string(); }
    bool OpenDocument(const std::filesystem::path&, std::string&) override { return true; }
    void SetTitle(const std::string&) override {}
    void RefreshPanel() override {}

    std::filesystem::path m_catalogue = TESMARA_BUILT_CATALOGUE_DIR;
};

// The U.S. standard units, as a fresh installation has them, so reset fields carry real units.
class CUnitsHost : public CTestHost
{
public:
    std::string DefaultUnit(int nCategoryId) const override
    {
        return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
    }
};

// Answers every dialog opened through the runner with a script, and remembers their titles.
class CScriptedRunner : public IDialogRunner
{
public:
    CScriptedRunner() : m_pPrevious(SetDialogRunner(this)) {}
    ~CScriptedRunner() override { SetDialogRunner(m_pPrevious); }

    int Run(QDialog& dialog) override
    {
        m_titles << dialog.windowTitle();
        return m_fnScript ? m_fnScript(dialog) : dlg::Cancel;
    }

    std::function<int(QDialog&)> m_fnScript;
    QStringList m_titles;

private:
    IDialogRunner* m_pPrevious;
};

// A push button of a window by its accessible name.
inline QPushButton* FindButton(QWidget& parent, const QString& strName)
{
    for (QPushButton* pButton : parent.findChildren<QPushButton*>())
        if (pButton->accessibleName() == strName)
            return pButton;
    return nullptr;
}
