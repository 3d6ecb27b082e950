// The accumulator product object: the catalogue connection, the current selection,
// the four workflow steps with their working and result copies, and the file commands.
#pragma once

#include "catalogue/Catalogue.h"
#include "outputs/CadObject.h"
#include "outputs/OrderPad.h"
#include "outputs/ReportData.h"
#include "product/TesmaraObject.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"
#include "selection/SelectionOwner.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class IProductHost;
class IStepDialogs;

// Product ids.
namespace prod
{
constexpr int Accumulator = 0;
constexpr int GasBottle = 1;
constexpr int ReservoirIsolator = 2;
constexpr int Accessories = 3;
constexpr int RepairKit = 4;
constexpr int TransferBarrier = 5;
constexpr int NoneChosen = 6;
} // namespace prod

// Yes, No and Cancel as the confirmation returns them.
namespace answer
{
constexpr int Yes = 6;
constexpr int No = 7;
constexpr int Cancel = 2;
} // namespace answer

class CAccumulatorObject : public CTesmaraObject, public ISelectionOwner
{
public:
    CAccumulatorObject(IProductHost& host, IStepDialogs& dialogs);

    // Opens the catalogue and starts with an empty accumulator selection and no product.
    bool Initialize();
    // After a change of language: the catalogue of the language in force, for the same selection;
    // the product's type and description are read again in that language. False, with the old
    // catalogue still open, when the new one cannot be opened.
    bool ReopenCatalogue();

    // ISelectionOwner.
    IDatabase* Database() override { return m_database.IsOpen() ? &m_database : nullptr; }
    int ProdId() const override { return m_nProdId; }
    std::string DefaultUnit(int nCategoryId) const override;
    const CBaseProduct* CurrentSelection() const override { return m_pData.get(); }

    // CTesmaraObject.
    std::string GetDivisionName() override;
    int ViewReferenceTopic(const std::string& strFilePathName) override;
    std::string GetOrderQuantity() override { return "1"; }
    std::string GetPartDescription() override;
    std::string GetCustomerInformationText() override { return std::string(); }
    std::string GetModificationText() override { return std::string(); }
    bool IsSelectionComplete() const override;
    // Both report commands: a model number to report, of a product the report knows.
    bool IsViewSelectionReportEnabled() const override;
    void OnViewSelectionReport() override;
    void OnFilePrintSelection(int nFlag) override;
    bool PerformButtonAction(int nID) override;
    int GetNumberOfButtons() override { return 4; }
    std::string GetButtonText(int nIndex) override;
    int GetButtonState(int nIndex) override;
    std::string GetButtonSelectionDisplayText(int nIndex) override;
    std::string GetPartNumberDisplayText() override;
    int GetSelectionTextFormat(int nIndex) const override;
    std::string GetDefaultFilename() override { return "*"; }
    std::string GetDefaultExtension() override { return "Ac3"; }
    std::string GetFileFilter() override { return "Accumulator Files (*.Ac3)|*.Ac3||"; }
    std::string GetApplicationName() override;
    bool NewData() override;
    bool LoadData(const std::filesystem::path& path) override;
    bool SaveData(const std::filesystem::path& path) override;
    bool LanguageSwitched() override { return true; }
    bool IsDirty() override { return m_bModified; }
    bool HasCadOptions() const override { return true; }
    void OnReferenceCommand(int nCommand) override;
    bool IsReferenceCommandEnabled(int) const override { return true; }
    void OnToolCommand(int nTool) override;
    // Writes the selection as XML; a failure is shown and leaves any existing file as it was.
    void ExportXml(const std::filesystem::path& path) override;
    // Whether there is a selection to export (a product has been chosen).
    bool IsExportXmlEnabled() const;

    // The report of the current selection, with everything the product object knows of it.
    // A catalogue error (CCatalogueError) is left to the caller.
    SSelectionReport MakeSelectionReport();

    // The CAD commands (0 view, 1 print DXF, 2 print HPGL, 3 preferences, 4 save): the drawing
    // commands for a complete selection that has a drawing; the preferences always.
    void OnCadCommand(int nCommand) override;
    bool IsCadCommandEnabled(int nCommand) const override;
    // The selection, and its gas bottles as a second line item, handed to the order pad;
    // "Add to Order Failed!" when any of it fails, and then nothing reaches the order pad.
    bool OnAddToOrderPad() override;
    // The product block and the selection object, as the selection file holds them.
    std::vector<std::uint8_t> GetSerializedDataObject() override;
    // The framework's "OrderPad" command: "Open OrderPad Failed!" when it cannot be started.
    bool OnOpenOrderPad();
    // The mailbox file CAD requests go to: the installed one, or the user's copy of it.
    std::filesystem::path CadMailboxFile(std::string& strError) const;

    // The steps.
    int OnChooseProduct();
    int OnDescribeApplication();
    int OnChooseModel();
    int OnChooseDetails();

    // Asks before a step throws away later choices: Yes (6) without asking when no
    // later step holds a choice, else the answer to the catalogue's question.
    int ConfirmSelectionChange(int nStep);
    // Opens the document of a reference category ("Help", "Product Support", ...).
    void OpenReferenceCategory(const std::string& strCategory);
    // The reference topic of a dialog for a series, or empty text.
    std::string GetRefJump(const std::string& strSeries, const std::string& strDialog);
    // "&Help" and F1: the help at the topic of a dialog (its class name), or at its contents.
    void ShowHelp(const std::string& strDialog);
    // Opens a reference document from the first reference folder that holds it; 0 (with a
    // message) when none does or it cannot be opened, else 1.
    int OpenReferenceDocument(const std::string& strFile);

    // Whether the product id names a product this program has a selection for (0 to 5).
    static bool CanHoldProduct(int nProdId);
    // Set by "Choose Product"; false (with a message) for an id that names no product.
    bool SetProduct(int nProdId, const std::string& strProdType, const std::string& strDescription);
    const std::string& ProdType() const { return m_strProdType; }
    const std::string& ProdDescription() const { return m_strProdDescription; }

    // The selection of another product object (a rapid selection's) becomes this one's, with its
    // product and flags, as a change not yet saved; the other is left without a selection.
    void TakeSelection(CAccumulatorObject& from);
    // The product type text and description of a product id, as "Choose Product" lists them
    // (empty texts when the catalogue has no such row). A catalogue error reaches the caller.
    void ReadProductRow(int nProdId, std::string& strProdType, std::string& strDescription);

    // The selection as an accumulator selection (nullptr for other products).
    CAccumulatorData* AccumulatorData();
    // The selection as the class of a product (nullptr when it is of another class).
    template <class T> T* SelectionAs() { return dynamic_cast<T*>(m_pData.get()); }
    CIMsgStoredProc& Messages() { return *m_pMessages; }
    IProductHost& Host() { return m_host; }
    bool m_bModified = false;

    // The event lists the application dialogs edit and accept.
    std::vector<SEvent> m_lstWorkEvents;
    std::vector<SEvent> m_lstAcceptedEvents;

protected:
    // A selection made outside the steps becomes the current one, its model number available
    // and the selection complete, or neither.
    void SetSelection(std::unique_ptr<CBaseProduct> pData, bool bComplete);

private:
    // The steps of the reservoir isolator, and the model step of the products chosen straight
    // from the catalogue, which edits one copy that becomes the selection.
    int DescribeReservoirIsolator();
    int ChooseReservoirIsolator();
    template <class T> int ChooseFromCatalogue(int (IStepDialogs::*pfnDialog)(CAccumulatorObject&, T&));
    // A step's accepted result becomes the selection at the step's level.
    void Accept(std::unique_ptr<CBaseProduct> pResult, int nLevel, bool bPartNumberAvailable);

    // The selection's texts read again from `to`, the catalogue of the language in force, after
    // they were read from `from`; a catalogue error leaves them as they were.
    void ReadSelectionTextsAgain(IDatabase& from, IDatabase& to);
    // The product's type and description in the language of the catalogue.
    void ReadProductTexts();
    // The file title shown in the main window's caption.
    void SetTitleFrom(const std::filesystem::path& path);
    // The two headers of the selection file as this selection would be saved now.
    SSelectionHeader FileHeader() const;

    IProductHost& m_host;
    IStepDialogs& m_dialogs;
    std::unique_ptr<COrderPad> m_pOrderPad;
    std::unique_ptr<ICadObject> m_pCadObject;
    IDatabase m_database;
    std::unique_ptr<CIMsgStoredProc> m_pMessages;
    std::unique_ptr<CBaseProduct> m_pData;
    int m_nProdId = prod::NoneChosen;
    std::string m_strProdType;
    std::string m_strProdDescription;
};
