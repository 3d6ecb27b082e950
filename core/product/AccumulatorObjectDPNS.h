// The rapid-selection product object: the product object of one rapid selection's dialogs,
// holding the selection its code lists make while they make one, for the outputs to work on.
#pragma once

#include "product/AccumulatorObject.h"

#include <cstdint>
#include <string>

class CRapidSelection;
struct SRapidType;

class CAccumulatorObjectDPNS : public CAccumulatorObject
{
public:
    using CAccumulatorObject::CAccumulatorObject;

    // The series dialog's choice: the type's product and drawing flag, and the series' description.
    void BeginRapidSelection(const SRapidType& type, const std::string& strSeriesDescription);
    // After every change of a list: a complete choice becomes the selection, with its model number
    // and the completion flag; otherwise the flag, the model number and the selection are cleared.
    // A catalogue error (CCatalogueError) leaves the selection cleared and reaches the caller.
    void HoldRapidSelection(const CRapidSelection& rapid);
    void ClearRapidSelection();

    // The drawing commands by the drawing flag, once there is a model number to draw.
    bool IsCadCommandEnabled(int nCommand) const override;

    std::uint8_t m_bDrawing = 0;
    std::string m_strSeriesDescription;
    std::string m_strModelNumber;
};
