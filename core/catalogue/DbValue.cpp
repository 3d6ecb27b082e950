// Names of the catalogue value types.
#include "catalogue/DbValue.h"

const char* DbTypeName(EDbType eType)
{
    switch (eType)
    {
    case EDbType::Null:
        return "NULL";
    case EDbType::Bool:
        return "BOOLEAN";
    case EDbType::Int16:
        return "SMALLINT";
    case EDbType::Int32:
        return "INTEGER";
    case EDbType::Float:
        return "SINGLE";
    case EDbType::Double:
        return "DOUBLE";
    case EDbType::Currency:
        return "CURRENCY";
    case EDbType::DateTime:
        return "DATETIME";
    case EDbType::Text:
        return "TEXT";
    case EDbType::Blob:
        return "BLOB";
    }
    return "";
}
