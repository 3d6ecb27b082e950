// What the details steps share: the two copies of the selection, the seal list with its
// assistant, the row of buttons, and how OK ends the step.
#pragma once

#include "models/SealSearch.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class CAccumulatorData;
class CAccumulatorObject;
class CCodeComboBox;
class IDatabase;
class QComboBox;
class QLayout;
class QPushButton;

class CDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    // The seal (or diaphragm) compound; nullptr for a step without one.
    CCodeComboBox* SealBox() const { return m_pSeal; }

    // "Selection Assistance": the seal assistant; on OK its seal is selected here.
    void OnSelectionAssistance();
    // OK: the choices written into both copies; 2100 when the details held are unchanged.
    virtual void OnOk() = 0;
    // Escape and the close box end with Cancel (2), as the product object expects.
    void reject() override;

protected:
    // The working copy keeps the earlier choices; the stored copy is the step's result.
    // pszClassName names the dialog in the catalogue's reference table.
    CDetailsDialog(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                   const QString& strTitle, const char* pszClassName, QWidget* pParent);

    // A drop-down list of codes that widens to its texts.
    static CCodeComboBox* CodeBox(QWidget* pParent);
    // The list's row that the box shows, as a choice; none for an empty list.
    static std::optional<CPartCode> Choice(const QComboBox& box, const SDetailList& list);
    // The seal box and its "Selection Assistance" button.
    QPushButton* MakeSealBox();
    // Fills the seal box from the catalogue, the held seal (or the assistant's) preselected.
    void FillSeals(const std::string& strSealCode);
    // The content above "&Reference", "&Help", OK and Cancel; OK runs OnOk.
    void SetContent(QLayout* pContent);
    // Ends OK: a refusal is shown and the step stays open; otherwise the choices are written
    // (a catalogue error is shown and the step stays open) and the step ends.
    void Finish(const std::string& strRefusal, const std::function<void()>& fnApply);
    // Runs an action that reads the catalogue, when it is open; false when it is not or fails.
    bool Read(const std::function<void(IDatabase&)>& fnRead);

    CAccumulatorObject& m_product;
    CAccumulatorData& m_working;
    CAccumulatorData& m_stored;
    SDetailList m_seals;
    std::optional<SSealAssistance> m_assistance;
    // The lists show their texts alphabetically, else in the catalogue's order.
    bool m_bSortedLists = false;

private:
    // What a seal assistant opened now starts from: its own last search, else the selection's.
    std::optional<SFluidSearchResult> FormerSearch() const;
    void OnReference();
    void OnHelp();

    const char* m_pszClassName;
    CCodeComboBox* m_pSeal = nullptr;
};
