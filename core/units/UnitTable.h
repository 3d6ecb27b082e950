// The process-wide table of unit codes: conversion factors, display texts and categories.
#pragma once

#include <string>
#include <vector>

// One unit: value in the category's base unit = value x m_dFactor + m_dOffset.
struct CUnitObject
{
    double m_dFactor;
    double m_dOffset;
    int m_iStringID;   // string id of the display text, 0 for none
    int m_iCategoryID; // string id of the category name; equal ids are compatible
};

struct SUnitEntry
{
    std::string strCode;
    CUnitObject unit;
};

// The pressure of 0 in a gauge unit, in Pa: the offset of PSIG and BARG.
inline constexpr double kGaugeOffsetPa = 101314.224;

// The 81 entries in the order the table is filled. Built once, never changed.
const std::vector<SUnitEntry>& UnitTableEntries();

// The unit of a code (case-sensitive), or nullptr.
const CUnitObject* FindUnit(const std::string& strCode);

// Whether a unit code is a pressure measured above the atmosphere (PSIG, BARG).
bool IsGaugeUnit(const std::string& strUnit);

// Whether a unit code exists and belongs to the category (0: "NONE", the unit of plain numbers).
bool IsUnitOfCategory(const std::string& strUnit, int nCategoryId);

// Category string ids.
namespace UnitCategory
{
constexpr int Temperature = 21080;
constexpr int Pressure = 21081;
constexpr int Volume = 21082;
constexpr int FlowRate = 21083;
constexpr int Displacement = 21084;
constexpr int Distance = 21085;
constexpr int Mass = 21086;
constexpr int Time = 21087;
constexpr int Power = 21088;
constexpr int Velocity = 21089;
constexpr int Acceleration = 21090;
constexpr int Force = 21091;
constexpr int Torque = 21092;
constexpr int MassFlowRate = 21093;
constexpr int Density = 21094;
constexpr int KinematicViscosity = 21095;
constexpr int AbsoluteViscosity = 21096;
constexpr int Vacuum = 21097;
} // namespace UnitCategory
