// The accumulator product object: steps on working and result copies, file commands, references.
#include "product/AccumulatorObject.h"

#include "models/CatalogueTexts.h"
#include "outputs/XmlExport.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "product/ProductHost.h"
#include "product/ReferenceDocuments.h"
#include "product/StepDialogs.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/SelectionFile.h"
#include "selection/TransferBase.h"

#include <algorithm>
#include <cctype>

namespace
{
std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

bool EndsWithNoCase(const std::string& strText, const std::string& strTail)
{
    return strText.size() >= strTail.size() && Upper(strText.substr(strText.size() - strTail.size())) == Upper(strTail);
}

// The first text field of the first row of a one-parameter-set query, or empty text.
std::string FirstText(IDatabase& db, const char* pszQuery, const std::vector<std::pair<std::string, std::string>>& params,
                      const char* pszField)
{
    if (!db.IsOpen())
        return std::string();
    try
    {
        IQueryDef def(db);
        def.Open(pszQuery);
        for (const auto& [strName, strValue] : params)
            def.SetParamValue(strName, strValue);
        IRecordset rows(db);
        rows.Open(def);
        return rows.IsBOF() ? std::string() : rows.GetString(pszField);
    }
    catch (const CCatalogueError& e)
    {
        GetPrompt().Message(e.what());
        return std::string();
    }
}

constexpr int kStringReportViewerTitle = 50069;
constexpr int kStringNotSelectable = 59180, kStringNotSaved = 59181;

// Reference and maker information commands, in menu order; the last three open nothing.
const char* const kReferenceCategories[] = {"Contacting Dalrow", "Dalrow Locations", "License Agreement", "Help",
                                            "Product Support",   "Offer of Sale",    "Other Products",    "Related Products"};
constexpr int kReferenceHelp = 3;
constexpr int kReferenceContents = 8;
constexpr int kStringDocumentNotInstalled = 52300;
constexpr int kStringHelpNotInstalled = 52301;

std::string ReplacePlaceholder(std::string strText, const std::string& strValue)
{
    const std::size_t nAt = strText.find("%1");
    return nAt == std::string::npos ? strText : strText.replace(nAt, 2, strValue);
}
} // namespace

CAccumulatorObject::CAccumulatorObject(IProductHost& host, IStepDialogs& dialogs) : m_host(host), m_dialogs(dialogs)
{
}

bool CAccumulatorObject::Initialize()
{
    // The order pad and the CAD component live as long as the product object.
    if (!m_pOrderPad)
        m_pOrderPad = std::make_unique<COrderPad>(m_host.OrderPadInbox(), m_host.OrderPadLink());
    if (HasCadOptions() && !m_pCadObject)
        m_pCadObject = m_host.CreateCadObject();
    const bool bOpen = m_database.Open(m_host.CatalogueFolder(), LoadString(52112), m_host.LanguageCode());
    m_nProdId = prod::NoneChosen;
    m_strProdType.clear();
    m_strProdDescription.clear();
    auto pData = std::make_unique<CAccumulatorData>();
    pData->m_pOwner = this;
    m_pData = std::move(pData);
    m_pMessages = std::make_unique<CIMsgStoredProc>(m_database);
    m_bModified = false;
    m_bPartNumberAvailable = false;
    m_bSelectionComplete = false;
    return bOpen;
}

bool CAccumulatorObject::ReopenCatalogue()
{
    auto pDatabase = std::make_unique<IDatabase>();
    if (!pDatabase->Open(m_host.CatalogueFolder(), LoadString(52112), m_host.LanguageCode()))
        return false;
    // Read while the former catalogue is open: an entry without a code is found by its place in it.
    ReadSelectionTextsAgain(m_database, *pDatabase);
    pDatabase->Close();
    m_database.Close();
    m_database.Open(m_host.CatalogueFolder(), LoadString(52112), m_host.LanguageCode());
    m_pMessages = std::make_unique<CIMsgStoredProc>(m_database);
    ReadProductTexts();
    return true;
}

void CAccumulatorObject::ReadSelectionTextsAgain(IDatabase& from, IDatabase& to)
{
    if (!m_pData || !from.IsOpen() || !to.IsOpen())
        return;
    const CStringTable* pStrings = CStringTable::ForLanguage(m_host.LanguageCode());
    try
    {
        ReadCatalogueTextsAgain(*m_pData, m_nProdId, from, to,
                                pStrings ? *pStrings : CStringTable::English());
    }
    catch (const CCatalogueError&)
    {
        // A catalogue that cannot say leaves the texts as they were; the codes are what count.
    }
}

void CAccumulatorObject::ReadProductTexts()
{
    if (m_nProdId != prod::NoneChosen && m_database.IsOpen())
        ::ReadProductTexts(m_database, m_nProdId, m_strProdType, m_strProdDescription);
}

std::string CAccumulatorObject::DefaultUnit(int nCategoryId) const
{
    return m_host.DefaultUnit(nCategoryId);
}

std::string CAccumulatorObject::GetDivisionName()
{
    return LoadString(850);
}

std::string CAccumulatorObject::GetApplicationName()
{
    return LoadString(52111);
}

std::string CAccumulatorObject::GetPartDescription()
{
    return m_pData ? m_pData->GetPartDescription() : std::string();
}

bool CAccumulatorObject::IsSelectionComplete() const
{
    return m_pData && m_pData->IsComplete();
}

CAccumulatorData* CAccumulatorObject::AccumulatorData()
{
    return dynamic_cast<CAccumulatorData*>(m_pData.get());
}

bool CAccumulatorObject::PerformButtonAction(int nID)
{
    switch (nID)
    {
    case 100:
        OnChooseProduct();
        break;
    case 101:
        OnDescribeApplication();
        break;
    case 102:
        OnChooseModel();
        break;
    case 103:
        OnChooseDetails();
        break;
    default:
        break;
    }
    return true;
}

std::string CAccumulatorObject::GetButtonText(int nIndex)
{
    if (nIndex >= 0 && nIndex <= 5)
        return LoadString(806 + nIndex);
    return "Need Text";
}

int CAccumulatorObject::GetButtonState(int nIndex)
{
    if (nIndex < 0 || nIndex > 3 || m_nProdId > prod::NoneChosen || m_nProdId < 0)
        return 1;
    if (nIndex == 0)
        return 1;
    switch (m_nProdId)
    {
    case prod::NoneChosen:
        return 0;
    case prod::ReservoirIsolator:
        if (nIndex == 1)
            return 1;
        break;
    case prod::Accessories:
        if (nIndex == 2)
            return 1;
        break;
    default:
        break;
    }
    return m_pData && m_pData->IsStepEnabled(nIndex) ? 1 : 0;
}

std::string CAccumulatorObject::GetButtonSelectionDisplayText(int nIndex)
{
    if (nIndex == 0)
        return m_nProdId == prod::NoneChosen ? std::string() : m_strProdType;
    if (!m_pData)
        return std::string();
    if (nIndex == 1)
        return m_nProdId == prod::Accumulator || m_nProdId == prod::ReservoirIsolator
                   ? m_pData->GetSelectionDisplayText(1)
                   : std::string();
    if ((nIndex == 2 || nIndex == 3) && m_nProdId >= 0 && m_nProdId <= 5)
        return m_pData->GetSelectionDisplayText(nIndex);
    return std::string();
}

std::string CAccumulatorObject::GetPartNumberDisplayText()
{
    if (m_bPartNumberAvailable && m_pData && m_nProdId >= 0 && m_nProdId <= 5)
        return m_pData->BuildPartNumber();
    return std::string();
}

int CAccumulatorObject::GetSelectionTextFormat(int nIndex) const
{
    return CTesmaraObject::GetSelectionTextFormat(nIndex) | textformat::NoClip;
}

bool CAccumulatorObject::CanHoldProduct(int nProdId)
{
    return CreateSelectionObject(nProdId) != nullptr;
}

bool CAccumulatorObject::SetProduct(int nProdId, const std::string& strProdType, const std::string& strDescription)
{
    if (!CanHoldProduct(nProdId))
    {
        // The catalogue's product list names a product this program has no selection for.
        GetPrompt().Message(FormatString(kStringNotSelectable, {strProdType, std::to_string(nProdId)}));
        return false;
    }
    m_nProdId = nProdId;
    m_strProdType = strProdType;
    m_strProdDescription = strDescription;
    return true;
}

int CAccumulatorObject::OnChooseProduct()
{
    const int nResult = m_dialogs.ChooseProduct(*this);
    if (nResult != dlg::Ok)
        return nResult;
    m_bModified = true;
    m_bPartNumberAvailable = false;
    m_bSelectionComplete = false;
    std::unique_ptr<CBaseProduct> pData = CreateSelectionObject(m_nProdId);
    if (!pData)
        return dlg::Cancel; // SetProduct refuses such products; nothing has changed
    pData->m_pOwner = this;
    pData->m_nLevel = 0;
    m_pData = std::move(pData);
    if (auto* pAccumulator = AccumulatorData())
        pAccumulator->Initialize(0);
    else if (auto* pOvrisol = SelectionAs<COvrisolBase>())
        pOvrisol->Initialize(0);
    return nResult;
}

int CAccumulatorObject::OnDescribeApplication()
{
    if (m_nProdId == prod::ReservoirIsolator)
        return DescribeReservoirIsolator();
    CAccumulatorData* pCurrent = AccumulatorData();
    if (m_nProdId != prod::Accumulator || !pCurrent)
        return dlg::Cancel;
    CAccumulatorData working(*pCurrent);
    if (working.m_nLevel < 1)
        working.Initialize(1);
    auto pResult = std::make_unique<CAccumulatorData>(*pCurrent);
    pResult->Initialize(1);
    m_lstWorkEvents = working.m_lstEvents;
    const int nResult = m_dialogs.DescribeApplication(*this, working, *pResult);
    if (nResult != dlg::Ok)
        return nResult;
    m_bModified = true;
    m_lstAcceptedEvents = pResult->m_lstEvents;
    pResult->m_nLevel = 1;
    // The accepted copy becomes the selection as it is, so nothing a dialog set is lost.
    m_pData = std::move(pResult);
    m_bPartNumberAvailable = false;
    return nResult;
}

int CAccumulatorObject::OnChooseModel()
{
    switch (m_nProdId)
    {
    case prod::ReservoirIsolator:
        return ChooseReservoirIsolator();
    case prod::Accessories:
        return ChooseFromCatalogue(&IStepDialogs::ChooseAccessory);
    case prod::RepairKit:
        return ChooseFromCatalogue(&IStepDialogs::ChooseRepairKit);
    case prod::TransferBarrier:
        return ChooseFromCatalogue(&IStepDialogs::ChooseTransferBarrier);
    default:
        break;
    }
    CAccumulatorData* pCurrent = AccumulatorData();
    if ((m_nProdId != prod::Accumulator && m_nProdId != prod::GasBottle) || !pCurrent)
        return dlg::Cancel;
    CAccumulatorData working(*pCurrent);
    if (working.m_nLevel < 2)
        working.Initialize(2);
    auto pResult = std::make_unique<CAccumulatorData>(*pCurrent);
    pResult->Initialize(2);
    const int nResult = m_nProdId == prod::Accumulator ? m_dialogs.ChooseModel(*this, working, *pResult)
                                                       : m_dialogs.SelectGasBottle(*this, working, *pResult);
    if (nResult != dlg::Ok)
        return nResult;
    m_bModified = true;
    pResult->m_nLevel = 2;
    m_pData = std::move(pResult);
    m_bPartNumberAvailable = false;
    m_bSelectionComplete = false;
    return nResult;
}

int CAccumulatorObject::OnChooseDetails()
{
    CAccumulatorData* pCurrent = AccumulatorData();
    if ((m_nProdId != prod::Accumulator && m_nProdId != prod::GasBottle) || !pCurrent)
        return dlg::Cancel;
    CAccumulatorData working(*pCurrent);
    auto pResult = std::make_unique<CAccumulatorData>(*pCurrent);
    pResult->Initialize(3);
    const int nResult = m_dialogs.ChooseDetails(*this, working, *pResult);
    if (nResult != dlg::Ok)
        return nResult;
    m_bModified = true;
    m_bPartNumberAvailable = true;
    m_bSelectionComplete = true;
    pResult->m_nLevel = 3;
    m_pData = std::move(pResult);
    return nResult;
}

void CAccumulatorObject::Accept(std::unique_ptr<CBaseProduct> pResult, int nLevel, bool bPartNumberAvailable)
{
    m_bModified = true;
    pResult->m_nLevel = nLevel;
    m_pData = std::move(pResult);
    m_bPartNumberAvailable = bPartNumberAvailable;
    m_bSelectionComplete = bPartNumberAvailable;
}

void CAccumulatorObject::SetSelection(std::unique_ptr<CBaseProduct> pData, bool bComplete)
{
    pData->m_pOwner = this;
    m_pData = std::move(pData);
    m_bPartNumberAvailable = bComplete;
    m_bSelectionComplete = bComplete;
}

void CAccumulatorObject::TakeSelection(CAccumulatorObject& from)
{
    if (!from.m_pData)
        return;
    m_nProdId = from.m_nProdId;
    m_strProdType = from.m_strProdType;
    m_strProdDescription = from.m_strProdDescription;
    SetSelection(std::move(from.m_pData), from.m_bSelectionComplete);
    m_lstWorkEvents.clear();
    m_lstAcceptedEvents.clear();
    m_bModified = true;
    m_host.RefreshPanel();
}

void CAccumulatorObject::ReadProductRow(int nProdId, std::string& strProdType, std::string& strDescription)
{
    strProdType.clear();
    strDescription.clear();
    if (!m_database.IsOpen())
        return;
    IQueryDef def(m_database);
    def.Open("qProduct");
    IRecordset rows(m_database);
    rows.Open(def);
    for (; !rows.IsEOF(); rows.MoveNext())
        if (rows.GetInt("ProdId") == nProdId)
        {
            strProdType = rows.GetString("ProdType");
            strDescription = rows.GetString("Description");
        }
}

int CAccumulatorObject::DescribeReservoirIsolator()
{
    const COvrisolBase* pCurrent = SelectionAs<COvrisolBase>();
    if (!pCurrent)
        return dlg::Cancel;
    COvrisolBase working(*pCurrent);
    auto pResult = std::make_unique<COvrisolBase>(*pCurrent);
    pResult->Initialize(1);
    const int nResult = m_dialogs.OvrisolSizeSelection(*this, working, *pResult);
    if (nResult == dlg::Ok)
        Accept(std::move(pResult), 1, false);
    return nResult;
}

int CAccumulatorObject::ChooseReservoirIsolator()
{
    const COvrisolBase* pCurrent = SelectionAs<COvrisolBase>();
    if (!pCurrent)
        return dlg::Cancel;
    COvrisolBase working(*pCurrent);
    auto pResult = std::make_unique<COvrisolBase>(*pCurrent);
    pResult->Initialize(2);
    const int nResult = m_dialogs.OvrisolChooseModel(*this, working, *pResult);
    if (nResult == dlg::Ok)
        Accept(std::move(pResult), 2, true);
    return nResult;
}

template <class T>
int CAccumulatorObject::ChooseFromCatalogue(int (IStepDialogs::*pfnDialog)(CAccumulatorObject&, T&))
{
    const T* pCurrent = SelectionAs<T>();
    if (!pCurrent)
        return dlg::Cancel;
    auto pWorking = std::make_unique<T>(*pCurrent);
    const int nResult = (m_dialogs.*pfnDialog)(*this, *pWorking);
    if (nResult == dlg::Ok)
        Accept(std::move(pWorking), 2, true);
    return nResult;
}

int CAccumulatorObject::ConfirmSelectionChange(int nStep)
{
    if (GetButtonSelectionDisplayText(nStep + 1).empty() && GetButtonSelectionDisplayText(nStep + 2).empty())
        return answer::Yes;
    const std::string strText =
        m_pMessages->GetMessage("You are changing a previous selection.  If you continue, all of your selections");
    switch (GetPrompt().YesNoCancel(strText))
    {
    case EPromptAnswer::Yes:
        return answer::Yes;
    case EPromptAnswer::No:
        return answer::No;
    default:
        return answer::Cancel;
    }
}

void CAccumulatorObject::OpenReferenceCategory(const std::string& strCategory)
{
    const std::string strFile = FirstText(m_database, "qRefHelpName", {{"[parCategory]", strCategory}}, "FileName");
    if (strFile.empty() || !(EndsWithNoCase(strFile, "hlp") || EndsWithNoCase(strFile, "pdf")))
        return;
    OpenReferenceDocument(strFile);
}

std::string CAccumulatorObject::GetRefJump(const std::string& strSeries, const std::string& strDialog)
{
    return FirstText(m_database, "qRefJump", {{"[parSeries]", strSeries}, {"[parDialog]", strDialog}}, "RefJump");
}

int CAccumulatorObject::ViewReferenceTopic(const std::string& strFilePathName)
{
    return OpenReferenceDocument(
        ReferenceTopicFile(strFilePathName.empty() ? GetRefJump("Contents", "ALL") : strFilePathName));
}

int CAccumulatorObject::OpenReferenceDocument(const std::string& strFile)
{
    const std::filesystem::path path = FindReferenceDocument(m_host.ReferenceFolders(), strFile);
    std::string strError;
    if (path.empty())
    {
        GetPrompt().Message(ReplacePlaceholder(LoadString(kStringDocumentNotInstalled), strFile));
        return 0;
    }
    if (!m_host.OpenDocument(path, strError))
    {
        GetPrompt().Message(strError);
        return 0;
    }
    return 1;
}

void CAccumulatorObject::ShowHelp(const std::string& strDialog)
{
    if (!m_host.ShowHelp(strDialog))
        GetPrompt().Message(LoadString(kStringHelpNotInstalled));
}

void CAccumulatorObject::OnReferenceCommand(int nCommand)
{
    // The help is read in the help window, at its contents, as F1 in the main window opens it.
    if (nCommand == kReferenceHelp)
        ShowHelp(std::string());
    else if (nCommand >= 0 && nCommand < kReferenceContents)
        OpenReferenceCategory(kReferenceCategories[nCommand]);
    else if (nCommand == kReferenceContents)
        ViewReferenceTopic(std::string());
}

void CAccumulatorObject::OnToolCommand(int nTool)
{
    if (nTool >= 0 && nTool <= 2)
        m_dialogs.RunTool(*this, nTool);
}

bool CAccumulatorObject::NewData()
{
    Initialize();
    m_host.SetTitle(LoadString(59001));
    m_host.RefreshPanel();
    return true;
}

void CAccumulatorObject::SetTitleFrom(const std::filesystem::path& path)
{
    m_host.SetTitle(SelectionFileTitle(path));
}

SSelectionHeader CAccumulatorObject::FileHeader() const
{
    SSelectionHeader header;
    header.strLanguageCode = m_host.LanguageCode();
    header.strLanguageName = m_host.LanguageName();
    header.nLanguageNameId = m_host.LanguageNameId();
    header.strProductLine = LoadString(50023);
    header.nProdId = m_nProdId;
    header.strProdType = m_strProdType;
    header.strProdDescription = m_strProdDescription;
    header.bPartNumberAvailable = m_bPartNumberAvailable;
    header.bSelectionComplete = m_bSelectionComplete;
    return header;
}

bool CAccumulatorObject::SaveData(const std::filesystem::path& path)
{
    std::string strError;
    if (!m_pData || !SaveSelectionFile(path, FileHeader(), *m_pData, strError))
    {
        // A failed save says so; the file on disk is as it was.
        GetPrompt().Message(strError.empty() ? LoadString(kStringNotSaved) : strError);
        return false;
    }
    m_bModified = false;
    SetTitleFrom(path);
    return true;
}

bool CAccumulatorObject::LoadData(const std::filesystem::path& path)
{
    std::string strError;
    std::optional<SLoadedSelection> loaded = LoadSelectionFile(path, strError);
    if (!loaded)
    {
        // The current selection stays exactly as it was.
        GetPrompt().Message(strError);
        return false;
    }
    loaded->pSelection->m_pOwner = this;
    // A file saved in another language (the command line opens any) shows its texts in this one.
    ReadLoadedTextsAgain(*loaded, m_database, LoadString(52112));
    m_pData = std::move(loaded->pSelection);
    m_nProdId = loaded->header.nProdId;
    m_strProdType = loaded->header.strProdType;
    m_strProdDescription = loaded->header.strProdDescription;
    m_bPartNumberAvailable = loaded->header.bPartNumberAvailable;
    m_bSelectionComplete = loaded->header.bSelectionComplete;
    m_bModified = false;
    if (auto* pAccumulator = AccumulatorData())
        m_lstAcceptedEvents = pAccumulator->m_lstEvents;
    m_host.RefreshPanel();
    SetTitleFrom(path);
    return true;
}

bool CAccumulatorObject::IsViewSelectionReportEnabled() const
{
    return IsPartNumberAvailable() && m_pData && HasSelectionReport(*m_pData);
}

SSelectionReport CAccumulatorObject::MakeSelectionReport()
{
    SReportContext context;
    context.pDatabase = Database();
    context.nProdId = m_nProdId;
    context.strProdType = m_strProdType;
    context.strProdDescription = m_strProdDescription;
    context.applicationFolder = m_host.ApplicationFolder();
    context.now = m_host.Clock().Now();
    return PrintSelectionReport(*m_pData, context);
}

void CAccumulatorObject::OnViewSelectionReport()
{
    if (!IsViewSelectionReportEnabled())
        return;
    try
    {
        m_host.ShowSelectionReport(MakeSelectionReport(), LoadString(kStringReportViewerTitle));
    }
    catch (const CCatalogueError& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CAccumulatorObject::OnFilePrintSelection(int)
{
    if (!IsViewSelectionReportEnabled())
        return;
    try
    {
        m_host.PrintSelectionReport(MakeSelectionReport(), LoadString(kStringReportViewerTitle));
    }
    catch (const CCatalogueError& e)
    {
        GetPrompt().Message(e.what());
    }
}

bool CAccumulatorObject::IsExportXmlEnabled() const
{
    return m_nProdId != prod::NoneChosen && m_pData && CanExportXml(*m_pData);
}

void CAccumulatorObject::ExportXml(const std::filesystem::path& path)
{
    if (!IsExportXmlEnabled())
        return;
    std::string strError;
    if (!ExportSelectionXml(path, FileHeader(), *m_pData, strError))
        GetPrompt().Message(strError);
}
