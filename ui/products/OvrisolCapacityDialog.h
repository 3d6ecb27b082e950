// What the two reservoir isolator capacity dialogs share: entries with unit lists, the refused
// entry focused, and the end of the step with the confirmation of a change.
#pragma once

#include "products/ProductDialog.h"

#include <functional>
#include <map>
#include <string>

class CComboUnit;
class CEditNumeric;
class COvrisolBase;
class CUnitDouble;
class QGridLayout;

namespace sizing
{
struct SCheckFailure;
}

class COvrisolCapacityDialog : public CProductDialog
{
    Q_OBJECT

public:
    // The entry of a selection field ("cudHighFluidLevel", ...), or nullptr.
    CEditNumeric* Entry(const std::string& strField) const;
    CComboUnit* UnitList(const std::string& strField) const;

protected:
    COvrisolCapacityDialog(CAccumulatorObject& product, COvrisolBase& working, COvrisolBase& stored,
                           const QString& strTitle, const char* pszClassName, QWidget* pParent);

    // A row of the grid: caption, entry and unit list for a field, filled from the working value.
    void AddEntry(QGridLayout& grid, const QString& strCaption, const std::string& strField, CUnitDouble& value,
                  int nCategoryId);
    // After SetContent: the dialog's size.
    void FinishLayout();
    // Reads an entry into its working field.
    void Read(const std::string& strField);
    // The refused entry's message, then the focus on its entry with the text selected.
    void ShowFailure(const sizing::SCheckFailure& failure);
    // Entries that passed: unchanged against the product object's selection ends the chain (2100);
    // else the product object asks before the model is lost: Yes copies what was accepted and
    // ends with OK, No ends with Cancel, Cancel keeps the dialog open.
    void EndWithConfirmation(const std::function<void()>& fnCopyAccepted);

    COvrisolBase& m_working;
    COvrisolBase& m_stored;

private:
    struct SEntry
    {
        CUnitDouble* pValue;
        CEditNumeric* pEdit;
        CComboUnit* pUnit;
    };
    std::map<std::string, SEntry> m_entries;
};
