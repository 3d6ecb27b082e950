// A drop-down list of the units of one category, or of a list of numbers with their texts.
#pragma once

#include <QComboBox>

#include <span>
#include <string>
#include <vector>

class CUnitConvMap;

class CComboUnit : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboUnit(QWidget* pParent = nullptr);

    // Adds (without emptying the list) every unit of the value's category except the excluded
    // codes, and selects the value's own unit. Units go in order of their display texts.
    void FillUnits(const CUnitConvMap& value, const std::vector<std::string>& excluded = {});
    // Adds every unit of a category, selecting nothing.
    void FillCategory(int nCategoryId);
    // Gives the value the selected unit; false and "Unit NotFound" when no unit is selected.
    bool GetSelectedUnit(CUnitConvMap& value) const;
    // The selected unit's code; empty text and "Unit NotFound" when no unit is selected.
    std::string GetSelectedUnitCode() const;
    // Selects the item of a unit code; false when the list does not hold it.
    bool SelectUnit(const std::string& strCode);

    // Adds, in the order given, each non-zero number formatted by the engine and followed by the suffix.
    void AddNumbers(std::span<const double> numbers, int nDecimals, bool bKeepZeros, bool bIntNoPoint,
                    const QString& strSuffix);
    // Adds one item showing the text and holding the number, unless the number is 0.
    void AddNumber(const QString& strText, double dNumber);
    // The selected item's number, shown text and stored text; with nothing selected
    // "Nothing in Combo Box Selected" and 0 or empty text.
    double GetSelectedNumber() const;
    QString GetSelectedText() const;
    QString GetSelectedString() const;

private:
    void AddUnit(const std::string& strCode);
    bool HasSelection() const;
};
