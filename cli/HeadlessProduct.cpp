// The product object on the command line.
#include "HeadlessProduct.h"

#include "platform/DataFolder.h"
#include "platform/Prompt.h"
#include "units/DefaultUnits.h"

#include <cctype>

int CFileCadObject::SaveCAD(const SCadRequest& request)
{
    CCadDrawing drawing;
    std::string strError;
    if (!DrawCadRequest(request, m_preferences, CadDrawingDate(), drawing, strError))
    {
        GetPrompt().Message("The CAD drawing cannot be made. " + strError);
        return 0;
    }
    if (!WriteCadFiles(drawing, m_files, strError))
    {
        GetPrompt().Message(strError);
        return 0;
    }
    m_bWritten = true;
    // Told once per format, after the files are written.
    for (const SCadFile& file : m_files)
        if (const auto strUnfit = CadTextUnfitFor(drawing, file.eFormat))
            GetPrompt().Message("warning: " + CadTextUnfitNotice(*strUnfit, file.eFormat));
    return 1;
}

CHeadlessProduct::CHeadlessProduct(std::filesystem::path catalogueFolder, std::filesystem::path applicationFolder,
                                   std::filesystem::path inbox)
    : m_catalogueFolder(std::move(catalogueFolder)), m_applicationFolder(std::move(applicationFolder)),
      m_inbox(std::move(inbox))
{
}

std::string CHeadlessProduct::DefaultUnit(int nCategoryId) const
{
    return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
}

std::unique_ptr<ICadObject> CHeadlessProduct::CreateCadObject()
{
    auto pObject = std::make_unique<CFileCadObject>(m_cadFiles, m_cadPreferences);
    m_pCadObject = pObject.get();
    return pObject;
}

bool CHeadlessProduct::Open(const std::filesystem::path& file)
{
    m_pProduct = std::make_unique<CAccumulatorObject>(*this, *this);
    return m_pProduct->Initialize() && m_pProduct->LoadData(file);
}

std::string NoCadDrawingReason(CAccumulatorObject& product)
{
    if (!product.IsSelectionComplete())
        return "The selection is not complete: choose its details first.";
    if (product.IsCadCommandEnabled(0))
        return std::string();
    const CAccumulatorData* pData = product.AccumulatorData();
    std::string strType = pData ? pData->strAccumulatorType : std::string();
    for (char& c : strType)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string strWhat = product.ProdId() == prod::GasBottle || strType == "gb" ? "a gas bottle"
                                : strType.empty() ? "a selection of " + product.ProdType()
                                                  : "a " + strType + " accumulator";
    return "There is no CAD drawing of " + strWhat + ": only piston and bladder accumulators and transfer barriers have one.";
}

std::filesystem::path DefaultApplicationFolder()
{
    return ProgramDataFolder();
}
