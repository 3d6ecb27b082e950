// The frame the reservoir isolator, transfer barrier, accessory and repair kit dialogs share:
// their buttons and references, catalogue errors shown rather than thrown, and their results.
#pragma once

#include "product/AccumulatorObject.h"

#include <QDialog>

#include <functional>
#include <string>

class IDatabase;
class QLayout;
class QPushButton;
class QTableWidget;

class CProductDialog : public QDialog
{
    Q_OBJECT

public:
    // Escape and the close box end with Cancel (2), as the product object expects.
    void reject() override;
    QPushButton* OkButton() const { return m_pOk; }

protected:
    // pszClassName names the dialog in the catalogue's reference table; bHelp adds "&Help".
    CProductDialog(CAccumulatorObject& product, const QString& strTitle, const char* pszClassName, bool bHelp,
                   QWidget* pParent);

    // Puts the content above the row of "&Reference", "&Help", OK and Cancel.
    void SetContent(QLayout* pContent);
    // OK, with a catalogue error on the way shown and the dialog left open.
    virtual void OnOk() = 0;
    // The series whose reference document "&Reference" opens first (empty: the dialog's own).
    virtual std::string ReferenceSeries() const { return std::string(); }

    // The open catalogue; nullptr, after saying so once, when there is none.
    IDatabase* Catalogue();
    // Runs an action that reads the catalogue; an error is shown and gives false.
    static bool Guarded(const std::function<void()>& fnAction);
    // Shows the catalogue's text of a message key.
    void ShowMessage(const std::string& strKey);
    // A read-only grid of whole rows, one chosen at a time, without row headers.
    static void SetUpRowGrid(QTableWidget& grid);
    // Opens a nested dialog through the process's dialog runner.
    static int RunNested(QDialog& dialog);
    // Whether the working copy is the complete selection the product object already holds:
    // then nothing changed, and the step ends the chain (2100) rather than with OK.
    template <class T> bool IsHeld(const T& working) const
    {
        const auto* pHeld = dynamic_cast<const T*>(m_product.CurrentSelection());
        return pHeld && pHeld->IsComplete() && working.IsEqual(*pHeld);
    }

    CAccumulatorObject& m_product;

private:
    void OnOkClicked();

    const char* m_pszClassName;
    QPushButton* m_pOk = nullptr;
    bool m_bHelp;
    bool m_bToldNoCatalogue = false;
};
