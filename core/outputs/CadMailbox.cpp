// Writing a drawing request into the CAD mailbox and reading it back.
#include "outputs/CadMailbox.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/StringTable.h"

namespace
{
constexpr int kStringNoDrawing = 59260, kStringNoDrawingOfModel = 59261, kStringNoTable = 59262,
              kStringNoRequest = 59263;

const std::vector<std::string> kPistonFields = {
    "FileName",    "Company",        "ModelNumber",  "Series",       "Bore_Size",
    "Construction", "Options",       "Capacity",     "DesignPressure", "DesignNumber",
    "SealCompound", "HydPortMod",    "GasPortMod",   "AddnlMountInfo", "AddnlMountInfo2"};
const std::vector<std::string> kBladderFields = {
    "FileName", "Company", "ModelNumber", "Series", "Size",       "Construction", "Pressure",
    "Port",     "SealCmpd", "DesMod",     "DesCode", "AddedNote1", "AddedNote2"};
} // namespace

std::string SCadMailboxRow::Get(const std::string& strField) const
{
    for (const auto& [strName, strValue] : fields)
        if (strName == strField)
            return strValue;
    return std::string();
}

std::vector<std::pair<std::string, std::string>> CadMailboxLayout(const std::string& strTable)
{
    std::vector<std::pair<std::string, std::string>> layout;
    if (strTable == "PA_Mailbox")
        for (const std::string& strField : kPistonFields)
            layout.emplace_back(strField, strField);
    else if (strTable == "BA_Mailbox")
        for (const std::string& strField : kBladderFields)
            layout.emplace_back(strField, strField == "SealCmpd" ? "SealCmpnd" : strField);
    return layout;
}

CCadMailbox::~CCadMailbox()
{
    std::string strIgnored;
    FinishRequest(strIgnored);
}

bool CCadMailbox::Open(const std::filesystem::path& file, std::string& strError)
{
    return m_db.OpenForWriting(file, strError);
}

bool CCadMailbox::FinishRequest(std::string& strError)
{
    if (!m_bHolding)
        return true;
    m_bHolding = false;
    try
    {
        m_db.CommitTransaction();
        return true;
    }
    catch (const CCatalogueError& error)
    {
        m_db.RollbackTransaction();
        strError = error.what();
        return false;
    }
}

bool CCadMailbox::RequestCadDrawing(const SCadConversion& conversion, SCadMailboxRow& written,
                                    std::string& strError, bool bHold)
{
    if (!FinishRequest(strError))
        return false;
    const auto layout = CadMailboxLayout(conversion.strTable);
    if (layout.empty())
    {
        strError = LoadString(kStringNoDrawing);
        return false;
    }
    try
    {
        m_db.BeginTransaction();
        IQueryDef clear(m_db);
        clear.Open(conversion.strClearQuery);
        clear.Execute();

        IQueryDef convert(m_db);
        convert.Open(conversion.strConversionQuery);
        for (const auto& [strName, strValue] : conversion.params)
            convert.SetParamValue(strName, CDbValue(strValue));
        IRecordset rows(m_db);
        rows.Open(convert);
        if (rows.IsBOF())
        {
            m_db.RollbackTransaction();
            strError = LoadString(kStringNoDrawingOfModel);
            return false;
        }
        // Should the conversion return several rows, the last one is the request.
        rows.MoveLast();
        SCadMailboxRow row{conversion.strTable, {}};
        for (const auto& [strField, strResultField] : layout)
            row.fields.emplace_back(strField, rows.GetString(strResultField));
        m_db.AppendRow(conversion.strTable, row.fields);
        if (bHold)
            m_bHolding = true;
        else
            m_db.CommitTransaction();
        written = std::move(row);
        return true;
    }
    catch (const CCatalogueError& error)
    {
        m_db.RollbackTransaction();
        strError = error.what();
        return false;
    }
}

bool CCadMailbox::ReadRow(const std::string& strTable, SCadMailboxRow& row, std::string& strError)
{
    const auto layout = CadMailboxLayout(strTable);
    if (layout.empty())
    {
        strError = FormatString(kStringNoTable, {strTable});
        return false;
    }
    try
    {
        IRecordset rows(m_db);
        rows.OpenTable(strTable);
        if (rows.IsBOF())
        {
            strError = LoadString(kStringNoRequest);
            return false;
        }
        rows.MoveLast();
        row = SCadMailboxRow{strTable, {}};
        for (const auto& field : layout)
            row.fields.emplace_back(field.first, rows.GetString(field.first));
        return true;
    }
    catch (const CCatalogueError& error)
    {
        strError = error.what();
        return false;
    }
}
