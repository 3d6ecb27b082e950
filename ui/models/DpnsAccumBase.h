// The rapid selection's type dialog ("Rapid Selection - Piston Type Accumulator", ...): one code
// list per position of the model number, each filled by the choices before it, the completed
// model number, and Done with the selection-complete panel.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CAccumulatorObjectDPNS;
class CCodeComboBox;
class CRapidSelection;
class QLabel;
class QLineEdit;
class QPushButton;
struct SRapidType;

// A warning of the rapid selection's dialogs (a string id), in bold.
QLabel* DpnsWarning(int nId, QWidget* pParent);

class CDpnsAccumBase : public QDialog
{
    Q_OBJECT

public:
    // The lists of the type, the series chosen before preselected. fnDone shows the
    // selection-complete panel for the product object and returns how it ended.
    CDpnsAccumBase(CAccumulatorObjectDPNS& product, const SRapidType& type, const std::string& strSeries,
                   std::function<int()> fnDone, QWidget* pParent = nullptr);
    ~CDpnsAccumBase() override;

    int ListCount() const { return static_cast<int>(m_lists.size()); }
    CCodeComboBox* List(int nList) const { return m_lists[static_cast<std::size_t>(nList)]; }
    QLineEdit* ModelNumber() const { return m_pModelNumber; }
    QPushButton* DoneButton() const { return m_pDone; }

    // Done: the selection-complete panel; when it closes with OK, so does this dialog.
    void OnDone();
    void reject() override;

private:
    // The cascade after the user's change of a list.
    void OnListChanged(int nList);
    // The lists, Done and the model number as the cascade leaves them.
    void ShowState();
    void OnReference();
    void OnHelp();

    CAccumulatorObjectDPNS& m_product;
    const SRapidType& m_type;
    std::function<int()> m_fnDone;
    std::unique_ptr<CRapidSelection> m_pRapid;
    std::vector<CCodeComboBox*> m_lists;
    QLineEdit* m_pModelNumber;
    QPushButton* m_pDone;
};
