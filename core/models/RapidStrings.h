// The string ids of the rapid selection's own texts: dialog titles, list captions and warnings.
#pragma once

namespace rapidtext
{
constexpr int kSeriesDialogTitle = 58000;
constexpr int kTitlePiston = 58001;
constexpr int kTitleBladder = 58002;
constexpr int kTitleDiaphragm = 58003;
constexpr int kTitleGasBottle = 58004;
constexpr int kTitleOvrisol = 58005;
constexpr int kWarning = 58006;
constexpr int kNote = 58007;
constexpr int kSeries = 58010;
constexpr int kNominalBore = 58011;
constexpr int kConstruction = 58012;
constexpr int kOptions = 58013;
constexpr int kCapacity = 58014;
constexpr int kDesignPressure = 58015;
constexpr int kDesignNumber = 58016;
constexpr int kSealType = 58017;
constexpr int kHydraulicPortType = 58018;
constexpr int kHydraulicPortSize = 58019;
constexpr int kGasPortType = 58020;
constexpr int kGasPortSize = 58021;
constexpr int kSize = 58022;
constexpr int kPressure = 58023;
constexpr int kPort = 58024;
constexpr int kSeals = 58025;
constexpr int kDesignModification = 58026;
constexpr int kDesignCode = 58027;
constexpr int kDiaphragm = 58028;
constexpr int kVariation = 58029;
constexpr int kGasPort = 58030;
constexpr int kGasValvePort = 58031;
constexpr int kDesignVariation = 58032;
constexpr int kBladder = 58033;
} // namespace rapidtext
