// What a product object needs from the application that hosts it.
#pragma once

#include "outputs/CadObject.h"
#include "outputs/OrderPad.h"
#include "platform/Clock.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class ISettings;
struct SSelectionReport;

class IProductHost
{
public:
    virtual ~IProductHost() = default;
    // The catalogue folder (NetPath) and the application folder (LocalPath).
    virtual std::filesystem::path CatalogueFolder() const = 0;
    virtual std::filesystem::path ApplicationFolder() const = 0;
    // The active language: its code ("US"), display name and the string id of that name.
    virtual std::string LanguageCode() const = 0;
    virtual std::string LanguageName() const = 0;
    virtual int LanguageNameId() const = 0;
    // The user's default unit code of a unit category.
    virtual std::string DefaultUnit(int nCategoryId) const = 0;
    // Opens a document with the desktop's "open" action; false (and why) when it cannot.
    virtual bool OpenDocument(const std::filesystem::path& path, std::string& strError) = 0;
    // The folders a reference document is looked for in, the active language's first.
    virtual std::vector<std::filesystem::path> ReferenceFolders() const { return {ApplicationFolder()}; }
    // The help at a dialog's topic (its class name), or at its contents for empty text; false
    // where this host has no help.
    virtual bool ShowHelp(const std::string& /*strDialog*/) { return false; }
    // The main window's title and the step panel follow the product object.
    virtual void SetTitle(const std::string& strTitle) = 0;
    virtual void RefreshPanel() = 0;

    // The clock the report's date comes from.
    virtual const IClock& Clock() const { return SystemClock(); }
    // The selection report in the report viewer, and printed through the platform's print dialog.
    // False when this host has neither (the command line, a test), or nothing was printed.
    virtual bool ShowSelectionReport(const SSelectionReport&, const std::string& /*strTitle*/) { return false; }
    virtual bool PrintSelectionReport(const SSelectionReport&, const std::string& /*strTitle*/) { return false; }
    // The CAD component that draws the product object's requests; none where there is no display.
    virtual std::unique_ptr<ICadObject> CreateCadObject() { return nullptr; }
    // The order pad program as this desktop reaches it (not owned); none where it cannot be.
    virtual IOrderPadLink* OrderPadLink() { return nullptr; }
    // The user's settings, where a product's dialogs keep what they last used; none where there are
    // none to keep (the command line).
    virtual ISettings* UserSettings() { return nullptr; }
    // The folder transfer documents are put into.
    virtual std::filesystem::path OrderPadInbox() const { return DefaultOrderPadInbox(); }
    // The rapid selection's dialogs; with OK their selection has become the product object's.
    // Cancel (2) where this host has none.
    virtual int RunRapidSelection() { return 2; }
};
