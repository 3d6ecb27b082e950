// Accessory types, sizes and accessories, and the choices written into the selection.
#include "models/AccessoryList.h"

#include "catalogue/Catalogue.h"
#include "selection/AccessoryBase.h"

namespace
{
std::string ValueText(const CUnitDouble& value)
{
    return value.Format(10, false, true) + " " + value.GetUnitString();
}
} // namespace

bool IsPistonType(const std::string& strType)
{
    return strType == "Piston";
}

std::vector<SAccessoryType> AccessoryTypes(IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qAccessAvailAccum");
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SAccessoryType> types;
    for (; !rows.IsEOF(); rows.MoveNext())
        types.push_back({rows.GetString("Accumulator"), rows.GetString("Description")});
    return types;
}

std::vector<SAccessorySize> AccessorySizes(const std::string& strType, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qAccessoryAccumSize");
    def.SetParamValue("[parAccumType]", strType);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SAccessorySize> sizes;
    for (; !rows.IsEOF(); rows.MoveNext())
        sizes.push_back({CUnitDouble(rows.GetDouble("Cap"), rows.GetString("CapUnits")), rows.GetString("CapCode"),
                         CPartCode(rows.GetString("NomBore"), 0),
                         CUnitDouble(rows.GetDouble("BoreDisplay"), rows.GetString("BoreUnits"))});
    return sizes;
}

std::vector<std::string> AccessorySizeCells(const SAccessorySize& size, bool bPiston)
{
    return {ValueText(size.capacity), bPiston ? ValueText(size.bore) : std::string()};
}

int PreselectedAccessorySize(const std::vector<SAccessorySize>& sizes, const CAccessoryBase& data, bool bPiston)
{
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i].capacity == data.cudCapacity && (!bPiston || sizes[i].boreCode == data.cpcBoreCode))
            return static_cast<int>(i);
    return sizes.empty() ? -1 : 0;
}

void ApplyAccessorySize(CAccessoryBase& data, const std::string& strType, const SAccessorySize& size)
{
    data.strAccumulatorType = strType;
    data.cudCapacity = size.capacity;
    data.strCapCode = size.strCapCode;
    if (IsPistonType(strType))
    {
        data.cpcBoreCode = size.boreCode;
        data.cudBore = size.bore;
    }
    else
    {
        data.cpcBoreCode.Reset();
        data.cudBore.Set(0.0, size.bore.GetUnit());
    }
}

std::vector<SAccessory> AccessoriesFor(const CAccessoryBase& data, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qAccessorySelect");
    def.SetParamValue("[parType]", data.strAccumulatorType);
    def.SetParamValue("[parSizeCode]", data.strCapCode);
    // Only a piston's accessories depend on its bore.
    def.SetParamValue("[parBoreSize]", IsPistonType(data.strAccumulatorType) ? data.cpcBoreCode.m_strCode
                                                                             : std::string());
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SAccessory> accessories;
    for (; !rows.IsEOF(); rows.MoveNext())
        accessories.push_back({rows.GetString("AccessoryText"), rows.GetInt("Order"), rows.GetString("PartNumber"),
                               rows.GetString("Description"), rows.GetString("Image")});
    return accessories;
}

int PreselectedAccessory(const std::vector<SAccessory>& accessories, const CAccessoryBase& data)
{
    for (std::size_t i = 0; i < accessories.size(); ++i)
        if (accessories[i].strPartNumber == data.strAccessoryPartNumber)
            return static_cast<int>(i);
    return accessories.empty() ? -1 : 0;
}

void ApplyAccessory(CAccessoryBase& data, const SAccessory& accessory)
{
    data.strAccessoryPartNumber = accessory.strPartNumber;
    data.strAccessoryText = accessory.strText;
}
