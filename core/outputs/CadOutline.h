// What the CAD component draws for a mailbox row: the body's outline, its ports and texts,
// looked up in the mailbox's drawing data. Lengths in millimetres.
#pragma once

#include <string>
#include <vector>

class IDatabase;
struct SCadMailboxRow;

enum class ECadBody
{
    Piston, // a tube closed by two end caps
    Bladder,        // a shell with dished heads, a fluid port stem and a gas valve stem
    TransferBarrier // the bladder shell with a fluid port stem at either end
};

struct SCadOutline
{
    ECadBody eBody = ECadBody::Piston;
    std::string strModelNumber;
    std::string strDescription;
    std::string strCapacity;       // "150 in³"
    std::string strDesignPressure; // "3000 psi"
    std::string strConstruction;
    std::string strSeal;
    std::string strOptions;        // piston options, bladder modification, service; may be empty

    double dLength = 0.0;   // overall, as the catalogue gives it
    double dDiameter = 0.0; // outside
    // Piston: bore and end cap length. Bladder: head depth.
    double dBore = 0.0;
    double dCap = 0.0;
    double dHead = 0.0;

    // Fluid port (left end) and gas valve, gas port or top fluid port (right end): label, thread
    // or bore diameter; for a piston the depth in its cap, for a bladder the stem's length and
    // diameter (a gas valve's stem is its thread).
    std::string strPortLabel;
    double dPortDiameter = 0.0;
    double dPortDepth = 0.0;
    double dPortStem = 0.0;
    double dPortStemDiameter = 0.0;
    std::string strValveLabel;
    double dValveDiameter = 0.0;
    double dValveDepth = 0.0;
    double dValveStem = 0.0;
    double dValveStemDiameter = 0.0;
    bool bValveGuard = false;
    // The right end is a gas charging valve (a code, never read from the label's words).
    bool bGasValve = false;

    // Band clamps: centres from the fluid end, and their width.
    std::vector<double> clamps;
    double dClampWidth = 0.0;
};

// The outline of a mailbox row's model. False with the reason when the drawing data has no
// such model, or the row is of a table we do not know.
bool LoadCadOutline(IDatabase& mailbox, const SCadMailboxRow& row, SCadOutline& outline, std::string& strError);
