// The product object: everything product-specific behind one interface, with the
// base behaviour a product that does not provide an operation gets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Text-drawing flags of the step texts.
namespace textformat
{
constexpr int WordBreak = 16;
constexpr int NoClip = 256;
} // namespace textformat

class CTesmaraObject
{
public:
    CTesmaraObject() = default;
    virtual ~CTesmaraObject() = default;
    CTesmaraObject(const CTesmaraObject&) = delete;
    CTesmaraObject& operator=(const CTesmaraObject&) = delete;

    virtual std::string GetDatabasePassword();
    virtual void OnToolOptions();
    virtual bool IsToolOptionsEnabled() const { return false; }
    virtual bool IsPartNumberAvailable() const { return m_bPartNumberAvailable; }
    virtual bool IsViewSelectionReportEnabled() const { return IsPartNumberAvailable(); }
    virtual void OnViewSelectionReport();
    virtual std::string GetDivisionName();
    virtual int ViewReferenceTopic(const std::string& strFilePathName);
    virtual std::string GetOrderQuantity();
    virtual std::string GetPartDescription();
    virtual std::vector<std::uint8_t> GetSerializedDataObject();
    virtual std::string GetCustomerInformationText();
    virtual std::string GetModificationText();
    virtual bool IsSelectionComplete() const { return false; }
    virtual void OnFilePrintSelection(int nFlag);
    virtual bool OnAddToOrderPad() { return false; }
    virtual bool PerformButtonAction(int nID);
    virtual int GetNumberOfButtons();
    virtual std::string GetButtonText(int nIndex);
    virtual int GetButtonState(int nIndex);
    virtual std::string GetButtonSelectionDisplayText(int nIndex);
    virtual std::string GetPartNumberDisplayText();
    virtual int GetSelectionTextFormat(int nIndex) const;
    virtual std::string GetDefaultFilename();
    virtual std::string GetDefaultExtension();
    virtual std::string GetFileFilter();
    virtual std::string GetApplicationName();
    virtual bool NewData();
    virtual bool LoadData(const std::filesystem::path& path);
    virtual bool SaveData(const std::filesystem::path& path);
    virtual bool LanguageSwitched();
    virtual void ShowDisclaimer() {}
    virtual bool IsDirty();
    virtual bool HasCadOptions() const { return false; }
    virtual void ExportXml(const std::filesystem::path&) {}
    // Reference and maker information commands (13): which topic a command opens.
    virtual void OnReferenceCommand(int nCommand);
    virtual bool IsReferenceCommandEnabled(int) const { return false; }
    // The tool commands of the tools menu, by their position 0, 1, 2.
    virtual void OnToolCommand(int) {}
    // The CAD commands: view, print DXF, print HPGL, preferences, save (0 to 4).
    virtual void OnCadCommand(int) {}
    virtual bool IsCadCommandEnabled(int) const { return false; }
    virtual bool IsOrderPadEnabled() const { return m_bSelectionComplete; }
    virtual std::filesystem::path GetTipsFileName(const std::filesystem::path& applicationFolder) const;

    // "Software\Dalrow Mestlin\Tesmara\<application name>\CurrentVersion".
    std::string GetRegistryKeyPath();

    bool m_bPartNumberAvailable = false;
    bool m_bSelectionComplete = false;
    std::string m_strDefaultFilename = "*";

protected:
    // The base message: the operation is missing in the product's class.
    static void MustDefine(const std::string& strOperation);
};
