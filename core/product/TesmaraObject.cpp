// Base behaviour of a product object: a message naming what the product lacks, and a neutral value.
#include "product/TesmaraObject.h"

#include "platform/Prompt.h"

void CTesmaraObject::MustDefine(const std::string& strOperation)
{
    const bool bVowel = !strOperation.empty() && std::string("AEIOU").find(strOperation[0]) != std::string::npos;
    GetPrompt().Message(std::string("You must define ") + (bVowel ? "an " : "a ") + strOperation +
                        " method in your class derived from CTesmaraObject.");
}

std::string CTesmaraObject::GetDatabasePassword()
{
    MustDefine("GetDatabasePassword()");
    return std::string();
}

void CTesmaraObject::OnToolOptions()
{
    MustDefine("OnToolOptions()");
}

void CTesmaraObject::OnViewSelectionReport()
{
    MustDefine("OnViewSelectionReport()");
}

std::string CTesmaraObject::GetDivisionName()
{
    MustDefine("GetDivisionName()");
    return std::string();
}

int CTesmaraObject::ViewReferenceTopic(const std::string&)
{
    MustDefine("ViewReferenceTopic(CString strFilePathName)");
    return 0;
}

std::string CTesmaraObject::GetOrderQuantity()
{
    MustDefine("GetOrderQuantity()");
    return std::string();
}

std::string CTesmaraObject::GetPartDescription()
{
    MustDefine("GetPartDescription()");
    return std::string();
}

std::vector<std::uint8_t> CTesmaraObject::GetSerializedDataObject()
{
    MustDefine("GetSerializedDataObject()");
    return {};
}

std::string CTesmaraObject::GetCustomerInformationText()
{
    MustDefine("GetCustomerInformationText()");
    return std::string();
}

std::string CTesmaraObject::GetModificationText()
{
    MustDefine("GetModificationText()");
    return std::string();
}

void CTesmaraObject::OnFilePrintSelection(int)
{
    MustDefine("OnFilePrintSelection()");
}

bool CTesmaraObject::PerformButtonAction(int)
{
    MustDefine("PerformButtonAction(int nID)");
    return false;
}

int CTesmaraObject::GetNumberOfButtons()
{
    MustDefine("GetNumberOfButtons()");
    return 0;
}

std::string CTesmaraObject::GetButtonText(int)
{
    MustDefine("GetButtonText(int nID)");
    return std::string();
}

int CTesmaraObject::GetButtonState(int)
{
    MustDefine("GetButtonState(int nID)");
    return 0;
}

std::string CTesmaraObject::GetButtonSelectionDisplayText(int)
{
    MustDefine("GetButtonSelectionDisplayText(int nID)");
    return std::string();
}

std::string CTesmaraObject::GetPartNumberDisplayText()
{
    MustDefine("GetPartNumberDisplayText()");
    return std::string();
}

int CTesmaraObject::GetSelectionTextFormat(int) const
{
    return textformat::WordBreak;
}

std::string CTesmaraObject::GetDefaultFilename()
{
    MustDefine("GetDefaultFilename()");
    return std::string();
}

std::string CTesmaraObject::GetDefaultExtension()
{
    MustDefine("GetDefaultExtension()");
    return std::string();
}

std::string CTesmaraObject::GetFileFilter()
{
    MustDefine("GetFileFilter()");
    return "All Files (*.*)|*.*||";
}

std::string CTesmaraObject::GetApplicationName()
{
    MustDefine("GetApplicationName()");
    return "Tesmara";
}

bool CTesmaraObject::NewData()
{
    MustDefine("NewData()");
    return false;
}

bool CTesmaraObject::LoadData(const std::filesystem::path&)
{
    MustDefine("LoadData()");
    return false;
}

bool CTesmaraObject::SaveData(const std::filesystem::path&)
{
    MustDefine("SaveData()");
    return false;
}

bool CTesmaraObject::LanguageSwitched()
{
    MustDefine("LanguageSwitched()");
    return false;
}

bool CTesmaraObject::IsDirty()
{
    MustDefine("IsDirty()");
    return false;
}

void CTesmaraObject::OnReferenceCommand(int) {}

std::filesystem::path CTesmaraObject::GetTipsFileName(const std::filesystem::path& applicationFolder) const
{
    return applicationFolder / "tips.txt";
}

std::string CTesmaraObject::GetRegistryKeyPath()
{
    return "Software\\Dalrow Mestlin\\Tesmara\\" + GetApplicationName() + "\\CurrentVersion";
}
