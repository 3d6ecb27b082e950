// Storing one field of a selection, whatever its kind: the same call stores and loads.
#pragma once

#include "platform/Archive.h"
#include "selection/PartCode.h"
#include "units/UnitDouble.h"
#include "units/UnitInt.h"

#include <string>

inline void SerializeField(CArchive& ar, CUnitDouble& value)
{
    value.Serialize(ar);
}

inline void SerializeField(CArchive& ar, CUnitInt& value)
{
    value.Serialize(ar);
}

inline void SerializeField(CArchive& ar, CPartCode& code)
{
    code.Serialize(ar);
}

inline void SerializeField(CArchive& ar, std::string& str)
{
    if (ar.IsStoring())
        ar.WriteString(str);
    else
        str = ar.ReadString();
}

inline void SerializeField(CArchive& ar, int& n)
{
    if (ar.IsStoring())
        ar.WriteInt32(n);
    else
        n = ar.ReadInt32();
}

inline void SerializeField(CArchive& ar, double& d)
{
    if (ar.IsStoring())
        ar.WriteDouble(d);
    else
        d = ar.ReadDouble();
}

// Stores, copies or compares every field a class names through its WalkFields(v), which calls
// v(name, member) for each field in the stored order.
template <class C> void SerializeFields(CArchive& ar, C& object)
{
    C::WalkFields([&](const char*, auto pMember) { SerializeField(ar, object.*pMember); });
}

template <class C> bool FieldsEqual(const C& left, const C& right)
{
    bool bEqual = true;
    C::WalkFields([&](const char*, auto pMember) { bEqual = bEqual && left.*pMember == right.*pMember; });
    return bEqual;
}
