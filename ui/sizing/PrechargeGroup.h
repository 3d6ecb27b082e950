// The "Precharge Pressure" group: an entered precharge or one of the two calculated optima.
#pragma once

#include "sizing/PrechargeDisplay.h"

#include <QGroupBox>

#include <string>

class CComboUnit;
class CEditNumeric;
class CStaticNumeric;
class QButtonGroup;
class QLabel;
class QRadioButton;
struct SApplicationData;

class CPrechargeGroup : public QGroupBox
{
    Q_OBJECT

public:
    // The rule the optima follow (see PrechargeDisplay.h).
    enum class ERule
    {
        FromGauge,  // supplementing pump flow, one actuator or several
        ForMinimum, // auxiliary power and holding
    };
    // Choices.
    static constexpr int kIHave = 0;
    static constexpr int kPiston = 1;
    static constexpr int kBladder = 2;

    // bCalculatedHeading puts "Use the calculated optimal Precharge Pressure:" above the optima.
    CPrechargeGroup(ERule eRule, const QString& strBladderCaption, bool bCalculatedHeading,
                    QWidget* pParent = nullptr);

    // The unit of the entered precharge: the one selected in a combo, or a fixed one.
    void FollowUnit(CComboUnit* pCombo);
    void SetUnit(const std::string& strCode);

    // The choice and the entered precharge (in the unit of this group) of a selection.
    void Load(const SApplicationData& data);
    // The optima for a minimum pressure, shown beside their choices; empty without a minimum.
    void ShowOptimaFor(const CUnitDouble& minimum);
    // The choice into the selection: the entered precharge, or the optimum for its minimum
    // pressure copied into sdPrechargePress. Returns the optima, for "Precharge Too High".
    sizing::SPrechargePair Read(SApplicationData& data);

    QRadioButton* Choice(int nChoice) const;
    CEditNumeric* Precharge() const { return m_pPrecharge; }
    CStaticNumeric* PistonOptimum() const { return m_pPistonOptimum; }
    CStaticNumeric* BladderOptimum() const { return m_pBladderOptimum; }

private:
    std::string Unit() const;
    sizing::SPrechargePair Optima(const CUnitDouble& minimum) const;

    ERule m_eRule;
    QString m_strBladderCaption;
    CComboUnit* m_pUnitCombo = nullptr;
    std::string m_strUnit;
    QButtonGroup* m_pChoices;
    CEditNumeric* m_pPrecharge;
    CStaticNumeric* m_pPistonOptimum;
    CStaticNumeric* m_pBladderOptimum;
    QLabel* m_pUnitLabel;
};
