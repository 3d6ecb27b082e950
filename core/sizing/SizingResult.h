// The status and common outputs of an application's sizing calculation.
#pragma once

#include <string>

namespace sizing
{
enum class ESizingStatus
{
    Sized,         // the outputs hold results
    NotRequired,   // nothing to store: the application needs no accumulator
    CannotCompute, // the inputs give no finite result; strReason says why
};

struct SSizingResult
{
    ESizingStatus eStatus = ESizingStatus::CannotCompute;
    // Required accumulator gas volume (in3); 0 unless sized.
    double dRequiredIn3 = 0.0;
    // Effective polytropic exponent of the discharge (or of the only run); 0 unless sized.
    double dExponent = 0.0;
    // Effective polytropic exponent of the charging run; 0 where the application has none.
    double dExponentCharging = 0.0;
    // Gas size over the volume it delivers; 0 where the application has none.
    double dRatio = 0.0;
    // Volume (in3) the pump cannot deliver; 0 where the application has none.
    double dDeficitIn3 = 0.0;
    // A short English explanation when the status is CannotCompute.
    std::string strReason;

    bool IsSized() const { return eStatus == ESizingStatus::Sized; }
};
} // namespace sizing
