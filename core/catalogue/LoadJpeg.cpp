// Product pictures kept in the catalogue as the bytes of JPEG files.
#include "catalogue/LoadJpeg.h"

#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"

std::optional<std::vector<std::uint8_t>> CLoadJpeg::Load(const std::string& strImageName, IDatabase& database)
{
    IQueryDef query(database);
    query.Open("qGetImage");
    query.SetParamValue("[parImageName]", strImageName);
    IRecordset rows(database);
    rows.Open(query);
    if (rows.IsBOF())
        return std::nullopt;
    rows.MoveLast();
    std::optional<std::vector<std::uint8_t>> image = rows.GetBlob("Image");
    // No bytes are no picture: a decoder would only fail on them.
    if (image && image->empty())
        return std::nullopt;
    return image;
}
