// The frame the two tools' dialogs share: they hold their own values, not the selection;
// the product object only gives the catalogue's messages and the reference documents.
#pragma once

#include "sizing/SizingDialog.h"

#include <QDialog>

#include <map>
#include <string>

class CAccumulatorObject;
class CComboUnit;
class CUnitDouble;
class QLayout;
class QLineEdit;
class QPushButton;

namespace sizing
{
struct SCheckFailure;
}

class CToolDialog : public QDialog
{
    Q_OBJECT

public:
    // Escape and the close box end with Cancel (2).
    void reject() override;
    // The entry a refused value focuses, by the tool's field name, or nullptr.
    QLineEdit* FieldControl(const std::string& strField) const;

protected:
    // strClassName names the dialog in the catalogue's reference table.
    CToolDialog(CAccumulatorObject& product, const QString& strTitle, std::string strClassName,
                QWidget* pParent);

    // Puts the content above the buttons: "&Reference", "&Help" when asked for, OK and Cancel.
    void SetContent(QLayout* pContent, bool bHelp = true);
    QPushButton* OkButton() const { return m_pOk; }
    // OK: read, check, calculate, show the result. A catalogue error is shown and the dialog stays.
    virtual void OnOk() = 0;

    void MapField(const std::string& strField, QLineEdit* pEdit);
    // A refused entry: its message, then the focus on its entry with the whole text selected.
    void ShowFailure(const sizing::SCheckFailure& failure);

    // The units of the value's category, its own selected.
    static CComboUnit* UnitCombo(const CUnitDouble& value, const QString& strName);

    CAccumulatorObject& m_product;

private:
    void OnOkClicked();
    void OnReference();
    void OnHelp();

    std::string m_strClassName;
    std::map<std::string, QLineEdit*> m_fields;
    QPushButton* m_pOk = nullptr;
};

// The sizing dialogs' captions, entries and values, named for screen readers, for the tools too.
struct SSizingWidgets : CSizingDialog
{
    using CSizingDialog::Caption;
    using CSizingDialog::FollowingUnit;
    using CSizingDialog::NameAfterText;
    using CSizingDialog::NumberEdit;
    using CSizingDialog::ValueText;
};
