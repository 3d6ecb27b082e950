// A transfer barrier selection: the chosen catalogue row's capacity, pressure and service with
// their codes; the bladder codes of its series and pressure are the default code list.
#pragma once

#include "selection/CatalogueProduct.h"
#include "units/UnitDouble.h"

#include <string>

class CTransferBase : public CCatalogueProduct
{
public:
    std::unique_ptr<CBaseProduct> Clone() const override;
    bool IsEqual(const CTransferBase& other) const;

    // Pressure, service, series and capacity codes, with the bladder codes at level 2.
    std::string BuildPartNumber() override;
    // Step 2 at level 2: "Size 10,  Pressure 3000 psi,  " and the service.
    std::string GetSelectionDisplayText(int nStep) const override;
    bool IsCadCommandEnabled() const override;
    std::string GetCadMailboxTable() const override;
    std::string GetCadMailboxDatabase() const override;
    std::string GetCadProgram() const override;
    // The bladder mailbox row of its shell, through TransBarConv; the service as the modification.
    SCadConversion GetCadConversion() const override;
    std::string GetPartDescription() const override;
    void Serialize(CArchive& ar) override;

    // Calls v(name, member) for each field after the common part, in the stored order.
    template <class V> static void WalkFields(V&& v)
    {
        using C = CTransferBase;
        v("cudCapacity", &C::cudCapacity);
        v("cudPressure", &C::cudPressure);
        v("cpcCapCode", &C::cpcCapCode);
        v("cpcPressureCode", &C::cpcPressureCode);
        v("cpcServiceCode", &C::cpcServiceCode);
        v("cpcSeriesCode", &C::cpcSeriesCode);
        v("strService", &C::strService);
        v("m_strPartNo", &C::m_strPartNo);
    }

    std::string strService;
    CUnitDouble cudCapacity;
    CUnitDouble cudPressure;
    std::string m_strPartNo; // written by BuildPartNumber
    CPartCode cpcCapCode;
    CPartCode cpcPressureCode;
    CPartCode cpcServiceCode;
    CPartCode cpcSeriesCode;
};
