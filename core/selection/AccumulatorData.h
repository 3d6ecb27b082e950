// An accumulator (or gas bottle) selection: catalogue limits, the application with
// its results, the events, the chosen model and the chosen details.
#pragma once

#include "selection/ApplicationData.h"
#include "selection/BaseProduct.h"
#include "selection/OperatingTemperatures.h"

#include <cstdint>
#include <string>
#include <vector>

class IDatabase;

// One actuator event of the multiple-events application.
struct SEvent
{
    int iActNo = 0;
    int iEventNo = 0;
    int bPumpAvail = 0;
    CUnitDouble sdFlowrate;
    CUnitDouble sdVolume;
    CUnitDouble sdBoreDia;
    CUnitDouble sdRodDia;
    CUnitDouble sdStrokeLength;
    int enumActVolForEvent = 0; // 0 flow rate given, 1 volume given, 2 cylinder dimensions given
    int eExtendRetract = 0;     // 0 extend, 1 retract, 2 both
    CUnitDouble sdEvStartTime;
    CUnitDouble sdEvDuration;

    bool operator==(const SEvent&) const;
};

// The most events and options a selection holds: as many as the program can make (ten actuators
// of ten events each; the piston's nine options), and so the most a selection file may hold.
inline constexpr std::size_t kMaxStoredEvents = 100;
inline constexpr std::size_t kMaxStoredOptions = 9;

// One chosen option: the key the details step gave it, and its code.
struct SOptionElement
{
    std::int32_t nKey = 0;
    CPartCode code;

    bool operator==(const SOptionElement&) const = default;
};

class CAccumulatorData : public CBaseProduct, public SApplicationData
{
public:
    CAccumulatorData();

    std::unique_ptr<CBaseProduct> Clone() const override;

    // Copying and comparing leave out m_strDump and strFluidCompatDescription; comparing also
    // leaves out m_operatingTemperatures, which changes no result of a later step.
    CAccumulatorData(const CAccumulatorData& other);
    CAccumulatorData& operator=(const CAccumulatorData& other);
    bool IsEqual(const CAccumulatorData& other) const;
    // IsEqual against the owner's current selection (false without an owner or of another class).
    bool IsSameAsStored() const;

    // The application fields back to their starting values, in the owner's default units
    // (the U.S. standard ones without an owner).
    void ResetApplication(SApplicationData& data) const;
    // Resets from a step on: 0 also reads the catalogue limits; below 2 the application;
    // below 3 the chosen model; below 4 the chosen details (with the seal default). A query
    // without a row shows "Data Missing!" and keeps the value; without an owner or an open
    // catalogue the limits and the seal default keep theirs silently. A catalogue error
    // (CCatalogueError) is left to the caller, who is working on a copy.
    void Initialize(int nLevel);

    // Refills m_lstCodes and m_strPartNo from the chosen codes and returns the model number.
    std::string BuildPartNumber() override;
    // "Not Implemented": the CAD number is not made by this program.
    std::string CreateCadNo() override;
    // Step 1: the application caption; step 2 (from level 2): the model's description;
    // step 3 (from level 3): the model number, assembled without touching m_lstCodes.
    std::string GetSelectionDisplayText(int nStep) const override;
    bool IsStepEnabled(int nStep) const override;
    bool IsCadCommandEnabled() const override;
    std::string GetCadMailboxTable() const override;
    std::string GetCadMailboxDatabase() const override;
    std::string GetCadProgram() const override;
    // Piston: qPistonCAD into PA_Mailbox; bladder: bladConv into BA_Mailbox; other types none.
    SCadConversion GetCadConversion() const override;
    std::string GetGasBottleQuantityText() const override;
    bool IsComplete() const override;
    std::string GetGasBottleDescription() const override;
    std::string GetGasBottlePartNumber() const override;
    std::string GetPartDescription() const override;

    void Serialize(CArchive& ar) override;

    // Catalogue limits.
    std::string m_strDump; // nothing fills it; never saved
    std::string m_strCadNo;
    CUnitDouble sdAllowedMaxAccumulatorVol;
    CUnitDouble sdAllowedMaxAccumulatorPress;
    CUnitDouble sdAllowedMaxTemperature;
    CUnitDouble sdAllowedMinTemperature;
    std::string strApplicationText;

    // The operating temperature range the results are shown over; never saved.
    SOperatingTemperatures m_operatingTemperatures;

    // Events of the multiple-events application, ordered by actuator and event number.
    std::vector<SEvent> m_lstEvents;

    // Chosen model.
    std::string strOversizePorts = "N";
    CPartCode cpcSeriesCode;
    CPartCode cpcCapCode;
    CPartCode cpcPressureCode;
    CUnitDouble cudMaxPressure;
    CPartCode cpcNomBoreCode;
    CPartCode cpcDesignNumber;
    std::string strAccumulatorType = "Piston"; // "Piston", "Bladder", "Diaphragm" or "GB"
    std::string strAccumulatorDesc;
    CUnitDouble cudCapacityAccEach;
    CUnitDouble cudCapacityAccTotal;
    CUnitDouble cudCapacityGBEach;
    CUnitDouble cudCapacityGBTotal;
    CUnitInt siQty;
    CUnitInt siGBQty;
    CPartCode cpcGBPartNumber;
    CUnitDouble cudBoreDisplay;
    int bGasBottle = 0;
    std::string m_strType;
    int eGasBottleType = 3;
    std::string m_strDescription;
    CPartCode cpcPortModTypeCode;
    CPartCode cpcPortModSizeCode;
    CPartCode cpcGasPortModTypeCode;
    CPartCode cpcGasPortModSizeCode;

    // Chosen details.
    std::string m_strPartNo;
    CPartCode cpcSealCode;
    CPartCode cpcPortCode;
    std::string strPortDescription;
    CPartCode cpcConstCode;
    std::string strApproval;
    std::vector<SOptionElement> m_caSelectedOptionArray;
    CPartCode cpcOptionCode;
    CPartCode cpcModCode;
    CPartCode cpcCertCode;
    CPartCode cpcHydPortCode;
    CPartCode cpcGasPortCode;
    CPartCode cpcGasValveCode;
    std::string strTypFluid;
    CUnitDouble cudMaxEnteredTempFluidCompatibility;
    CUnitDouble cudMinEnteredTempFluidCompatibility;
    std::string strSelectedFluid;
    std::string strFluidCompatDescription; // never reset; not copied or compared
    CUnitDouble cudMaxFluidTempFluidCompatibility;
    CUnitDouble cudMinFluidTempFluidCompatibility;

private:
    // The owner's default unit of a category, or the U.S. standard one without an owner.
    std::string DefaultUnit(int nCategoryId) const;
    // The owner's catalogue when it is open, else nullptr.
    IDatabase* Catalogue() const;
    // Whether a piston's port modification codes belong in its model number.
    bool ShowsPortModifications() const;
    // The codes of the model number in the order BuildPartNumber adds them.
    std::vector<CPartCode> CollectCodes() const;
};
