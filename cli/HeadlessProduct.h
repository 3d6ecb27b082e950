// The desktop's product object without a desktop: a selection file opened on the catalogue,
// its CAD drawing written to files, its line items handed to the order pad's inbox.
#pragma once

#include "outputs/CadFiles.h"
#include "CatalogueLocation.h"
#include "outputs/CadObject.h"
#include "platform/StringTable.h"
#include "product/AccumulatorObject.h"
#include "product/ProductHost.h"
#include "product/StepDialogs.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>

// The files a CAD request is written to, each in the format it was named for; SaveCAD writes
// them all or none.
class CFileCadObject : public ICadObject
{
public:
    CFileCadObject(std::vector<SCadFile> files, SCadPreferences preferences)
        : m_files(std::move(files)), m_preferences(std::move(preferences))
    {
    }
    int ViewCAD(const SCadRequest&) override { return 0; }
    int PrintDXF(const SCadRequest& request) override { return SaveCAD(request); }
    int PrintHPGL(const SCadRequest& request) override { return SaveCAD(request); }
    int SaveCAD(const SCadRequest& request) override;
    void DisplayCADPreferences(int) override {}

    bool m_bWritten = false;

private:
    std::vector<SCadFile> m_files;
    SCadPreferences m_preferences;
};

// On the command line no order pad window comes up: the document waits in the inbox until the
// order pad takes it in, and there is no clipboard to offer it on.
class CInboxOrderPadLink final : public IOrderPadLink
{
public:
    bool Open(std::string&) override { return true; }
    void Offer(const std::string&) override {}
};

class CHeadlessProduct final : public IProductHost, public IStepDialogs
{
public:
    // applicationFolder holds the CAD mailbox; inbox is where transfer documents go.
    CHeadlessProduct(std::filesystem::path catalogueFolder, std::filesystem::path applicationFolder,
                     std::filesystem::path inbox);

    // Opens the catalogue and the selection file. False when either fails (it has said why).
    bool Open(const std::filesystem::path& file);
    CAccumulatorObject& Product() { return *m_pProduct; }
    // The drawing files the CAD commands write; set before Open.
    void SetCadFiles(std::vector<SCadFile> files, SCadPreferences preferences)
    {
        m_cadFiles = std::move(files);
        m_cadPreferences = std::move(preferences);
    }
    CFileCadObject* CadObject() const { return m_pCadObject; }

    // IProductHost.
    std::filesystem::path CatalogueFolder() const override { return m_catalogueFolder; }
    std::filesystem::path ApplicationFolder() const override { return m_applicationFolder; }
    // The language of --language: its catalogue, its CAD mailbox, and the mark of the files saved.
    std::string LanguageCode() const override { return CliLanguage(); }
    std::string LanguageName() const override { return LoadString(LanguageNameId()); }
    int LanguageNameId() const override { return ::LanguageNameId(CliLanguage()); }
    std::string DefaultUnit(int nCategoryId) const override;
    bool OpenDocument(const std::filesystem::path&, std::string& strError) override
    {
        return strError = "Documents are not opened from the command line.", false;
    }
    void SetTitle(const std::string&) override {}
    void RefreshPanel() override {}
    std::unique_ptr<ICadObject> CreateCadObject() override;
    std::filesystem::path OrderPadInbox() const override { return m_inbox; }
    IOrderPadLink* OrderPadLink() override { return &m_orderPadLink; }

    // IStepDialogs: no step runs here.
    int ChooseProduct(CAccumulatorObject&) override { return dlg::Cancel; }
    int DescribeApplication(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int ChooseModel(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int SelectGasBottle(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    int ChooseDetails(CAccumulatorObject&, CAccumulatorData&, CAccumulatorData&) override { return dlg::Cancel; }
    void RunTool(CAccumulatorObject&, int) override {}

private:
    CInboxOrderPadLink m_orderPadLink;
    std::filesystem::path m_catalogueFolder;
    std::filesystem::path m_applicationFolder;
    std::filesystem::path m_inbox;
    std::vector<SCadFile> m_cadFiles;
    SCadPreferences m_cadPreferences;
    CFileCadObject* m_pCadObject = nullptr; // owned by the product object
    std::unique_ptr<CAccumulatorObject> m_pProduct;
};

// Why a selection has no CAD drawing ("a diaphragm accumulator ..."), empty when it has one.
std::string NoCadDrawingReason(CAccumulatorObject& product);
// The application folder of the installation or build the tool belongs to (TESMARA_APP_DIR when set).
std::filesystem::path DefaultApplicationFolder();
