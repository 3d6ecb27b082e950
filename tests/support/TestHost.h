// A product host for tests: the built catalogue, an application folder of its own, U.S. English,
// the last window title it was given, and the documents and help it was asked to show.
#pragma once

#include "TempFolder.h"
#include "platform/Settings.h"
#include "product/ProductHost.h"

#include <filesystem>
#include <string>
#include <vector>

class CTestHost : public IProductHost
{
public:
    std::filesystem::path CatalogueFolder() const override { return m_catalogue; }
    std::filesystem::path ApplicationFolder() const override { return m_application.Path(); }
    std::string LanguageCode() const override { return "US"; }
    std::string LanguageName() const override { return "U.S. English"; }
    int LanguageNameId() const override { return 500; }
    std::string DefaultUnit(int) const override { return std::string(); }
    bool OpenDocument(const std::filesystem::path& path, std::string&) override
    {
        m_opened.push_back(path);
        return true;
    }
    bool ShowHelp(const std::string& strDialog) override
    {
        m_helpAsked.push_back(strDialog);
        return m_bHelpInstalled;
    }
    void SetTitle(const std::string& strTitle) override { m_strTitle = strTitle; }
    void RefreshPanel() override {}
    ISettings* UserSettings() override { return &m_settings; }

    std::filesystem::path m_catalogue = TESMARA_BUILT_CATALOGUE_DIR;
    CTempFolder m_application{"tesmara-app"}; // a folder of this host's own, removed with it
    std::string m_strTitle;
    std::vector<std::filesystem::path> m_opened; // documents opened, in order
    std::vector<std::string> m_helpAsked;         // the dialogs help was asked for
    bool m_bHelpInstalled = false;
    CMemorySettings m_settings;
};
