// Looking up the outline of a mailbox row's model in the mailbox's drawing data.
#include "outputs/CadOutline.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "outputs/CadMailbox.h"
#include "platform/StringTable.h"

namespace
{
constexpr int kStringCannotDraw = 59268, kStringNoDrawingOf = 59269;

void ReadClamps(const IRecordset& rows, SCadOutline& outline)
{
    outline.clamps = {rows.GetDouble("Clamp1Mm")};
    if (!rows.GetFieldValue("Clamp2Mm").IsNull())
        outline.clamps.push_back(rows.GetDouble("Clamp2Mm"));
    outline.dClampWidth = rows.GetDouble("ClampWidthMm");
}

void ReadPiston(const IRecordset& rows, SCadOutline& o)
{
    o.dBore = rows.GetDouble("BoreMm");
    o.dCap = rows.GetDouble("CapMm");
    o.strPortLabel = rows.GetString("HydLabel");
    o.dPortDiameter = rows.GetDouble("HydDiameterMm");
    o.dPortDepth = rows.GetDouble("HydDepthMm");
    o.strValveLabel = rows.GetString("GasLabel");
    o.bGasValve = rows.GetString("GasCode").rfind('V', 0) == 0; // the valve's type code
    o.dValveDiameter = rows.GetDouble("GasDiameterMm");
    o.dValveDepth = rows.GetDouble("GasDepthMm");
    o.bValveGuard = rows.GetInt("ValveGuard") != 0;
    o.strOptions = rows.GetString("OptionsText");
}

void ReadBladder(const IRecordset& rows, SCadOutline& o)
{
    o.dHead = rows.GetDouble("HeadMm");
    o.strPortLabel = rows.GetString("PortLabel");
    o.dPortDiameter = rows.GetDouble("PortDiameterMm");
    o.dPortStem = rows.GetDouble("PortStemMm");
    o.dPortStemDiameter = rows.GetDouble("PortStemDiameterMm");
    o.strOptions = rows.GetString("ModificationText");
    o.dValveStem = rows.GetDouble("ValveStemMm");
    o.dValveStemDiameter = rows.GetDouble("ValveDiameterMm");
    if (rows.GetFieldValue("TopPortLabel").IsNull())
    {
        o.strValveLabel = rows.GetString("ValveLabel");
        o.bGasValve = true;
        o.dValveDiameter = o.dValveStemDiameter;
        return;
    }
    o.eBody = ECadBody::TransferBarrier;
    o.strValveLabel = rows.GetString("TopPortLabel");
    o.dValveDiameter = rows.GetDouble("TopPortDiameterMm");
}
} // namespace

bool LoadCadOutline(IDatabase& mailbox, const SCadMailboxRow& row, SCadOutline& outline, std::string& strError)
{
    const bool bPiston = row.strTable == "PA_Mailbox";
    if (!bPiston && row.strTable != "BA_Mailbox")
    {
        strError = FormatString(kStringCannotDraw, {row.strTable});
        return false;
    }
    try
    {
        IQueryDef query(mailbox);
        std::vector<std::pair<const char*, std::string>> params;
        if (bPiston)
        {
            query.Open("qCadPiston");
            params = {{"[parSeries]", row.Get("Series")},         {"[parBoreSize]", row.Get("Bore_Size")},
                      {"[parCapacity]", row.Get("Capacity")},     {"[parDesignPressure]", row.Get("DesignPressure")},
                      {"[parHydPort]", row.Get("HydPortMod")},    {"[parGasPort]", row.Get("GasPortMod")},
                      {"[parConstruction]", row.Get("Construction")}, {"[parOptions]", row.Get("Options")},
                      {"[parSeal]", row.Get("SealCompound")}};
        }
        else
        {
            query.Open("qCadBladder");
            params = {{"[parSeries]", row.Get("Series")},     {"[parSize]", row.Get("Size")},
                      {"[parPressure]", row.Get("Pressure")}, {"[parPort]", row.Get("Port")},
                      {"[parConstruction]", row.Get("Construction")}, {"[parModification]", row.Get("DesMod")},
                      {"[parSeal]", row.Get("SealCmpd")}};
        }
        for (const auto& [pszName, strValue] : params)
            query.SetParamValue(pszName, CDbValue(strValue));
        IRecordset rows(mailbox);
        rows.Open(query);
        if (rows.IsBOF())
        {
            strError = FormatString(kStringNoDrawingOf, {row.Get("ModelNumber")});
            return false;
        }
        SCadOutline o;
        o.eBody = bPiston ? ECadBody::Piston : ECadBody::Bladder;
        o.strModelNumber = row.Get("ModelNumber");
        o.strDescription = rows.GetString("Description");
        o.strCapacity = rows.GetString("CapacityText");
        o.strDesignPressure = row.Get(bPiston ? "DesignPressure" : "Pressure");
        o.strConstruction = rows.GetString("ConstructionText");
        o.strSeal = rows.GetString("SealText");
        o.dLength = rows.GetDouble("LengthMm");
        o.dDiameter = rows.GetDouble("DiameterMm");
        ReadClamps(rows, o);
        if (bPiston)
            ReadPiston(rows, o);
        else
            ReadBladder(rows, o);
        outline = std::move(o);
        return true;
    }
    catch (const CCatalogueError& error)
    {
        strError = error.what();
        return false;
    }
}
