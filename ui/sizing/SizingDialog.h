// The frame the application's sizing dialogs share: their selection, nested dialogs, the end of a chain.
#pragma once

#include "sizing/CheckMessages.h"
#include "sizing/EntryDialog.h"

#include <functional>
#include <string>

class CAccumulatorData;
class CAccumulatorObject;
class CComboUnit;
class CEditNumeric;
class COperatingRangeGroup;
class CStaticNumeric;
class CUnitDouble;

namespace sizing
{
struct SCheckFailure;
struct SSizingResult;
} // namespace sizing

class CSizingDialog : public CEntryDialog
{
    Q_OBJECT

protected:
    // strClassName names the dialog in the catalogue's reference table.
    CSizingDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                  const QString& strTitle, std::string strClassName, QWidget* pParent);

    // The content of a dialog that calculates, above its optional operating temperature range:
    // the selection's range, or the range last used (none when it was last left empty).
    void SetSizingContent(QLayout* pContent);

    // Opens a nested dialog through the process's dialog runner.
    static int RunNested(QDialog& dialog);
    // After a nested dialog: 1 copies what this dialog accepted into the stored selection
    // and ends with OK; 2100 ends the whole chain; anything else keeps this dialog open.
    void Continue(int nResult, const std::function<void()>& fnCopyAccepted);
    // Ends a dialog whose entries passed: unchanged against the product object's
    // selection ends the chain (2100); otherwise the product object asks before later
    // choices are lost: Yes copies what was accepted and ends with OK, No ends with
    // Cancel, Cancel keeps the dialog open.
    void EndWithConfirmation(const std::function<void()>& fnCopyAccepted = {});

    // Runs a dialog's checks. "Precharge Too High" is asked: No goes back to the precharge,
    // Yes runs the checks again with the question answered. Any other refusal is shown with
    // the focus on its field. True when the entries passed.
    bool PassesChecks(const std::function<sizing::CheckResult(bool bAcceptQuestions)>& fnCheck);
    // A calculation that gave no finite result is shown as one message naming the reason;
    // the dialog stays open with its entries. True when there are results to show.
    bool Computed(const sizing::SSizingResult& result);
    // The operating range, when the dialog has one, is read and checked first (a refusal keeps the
    // dialog open). Then the results dialog; on OK fnCopyAccepted copies what this dialog
    // accepted (see Continue) and the range goes with it.
    void ShowResults(const std::function<void()>& fnCopyAccepted);
    // Copies fields of the application data from the working to the stored selection.
    template <class... Members> void CopyAccepted(Members... members)
    {
        ((m_stored.*members = m_working.*members), ...);
    }

    // The minimum pump flow in the unit of the pump's combo, rounded up to two decimals, so
    // that a pump of the size shown passes the check against the exact minimum.
    static void ShowMinimumPumpFlow(CStaticNumeric* pValue, const QString& strCaption, const CUnitDouble& minimum,
                                    const CComboUnit* pUnit);

    // A value the program proposes, written so that the entry reads back no more than the value
    // (a check "not above it" then always passes it).
    static void ShowNotAbove(CEditNumeric* pEdit, const CUnitDouble& value);

    // A value shown in its own unit or converted into another: 10 decimals, zeros trimmed,
    // whole numbers without a point; 0 shows as an empty field.
    static void Show(CEditNumeric* pEdit, const CUnitDouble& value);
    static void ShowIn(CEditNumeric* pEdit, const CUnitDouble& value, const std::string& strUnit);
    // The entry (empty reads as 0) with the combo's unit, or with the unit given.
    static void Read(CUnitDouble& field, const CEditNumeric* pEdit, const CComboUnit* pUnit);
    static void Read(CUnitDouble& field, const CEditNumeric* pEdit, const std::string& strUnit);

    CAccumulatorData& m_working;
    CAccumulatorData& m_stored;

private:
    // The range as entered into the working selection and the settings; false (with the
    // refusal shown) when its checks refuse it.
    bool AcceptOperatingRange();
    // The working range kept as the range last used.
    void RememberOperatingRange() const;

    COperatingRangeGroup* m_pRange = nullptr;
};
