// The frame the sizing subsystem's entry dialogs share, the application steps with their
// selection and the tools without one: buttons, references, refused entries, and captions,
// entries and values named for screen readers.
#pragma once

#include <QDialog>

#include <map>
#include <string>

class CAccumulatorObject;
class CComboUnit;
class CEditNumeric;
class CStaticNumeric;
class CUnitDouble;
class QButtonGroup;
class QLabel;
class QRadioButton;
class QLayout;
class QLineEdit;
class QPushButton;

namespace sizing
{
struct SCheckFailure;
}

class CEntryDialog : public QDialog
{
    Q_OBJECT

public:
    // Escape and the close box end with Cancel (2), as the openers expect.
    void reject() override;

    // The control a refused entry focuses, by its field name, or nullptr.
    QWidget* FieldControl(const std::string& strField) const;

    // A caption; with a buddy, the buddy is named after it.
    static QLabel* Caption(const QString& strText, QWidget* pBuddy = nullptr);
    // A number entry named after its caption; the second takes whole numbers only.
    static CEditNumeric* NumberEdit(const QString& strName);
    static CEditNumeric* WholeNumberEdit(const QString& strName);
    // A radio button named after its text, added to the group under nId.
    static QRadioButton* ChoiceButton(const QString& strText, QButtonGroup* pGroup, int nId);
    // A text that always shows the unit selected in a combo (fields that share its unit).
    static QLabel* FollowingUnit(CComboUnit* pCombo);
    // A read-only value; its accessible name is its caption followed by what it shows.
    static CStaticNumeric* ValueText(const QString& strCaption);
    static void NameAfterText(QLabel* pValue, const QString& strCaption);

protected:
    // strClassName names the dialog in the catalogue's reference table.
    CEntryDialog(CAccumulatorObject& product, const QString& strTitle, std::string strClassName,
                 QWidget* pParent);

    // Puts the content above the row of "&Reference", "&Help" (unless left out), OK and Cancel.
    void SetContent(QLayout* pContent, bool bHelp = true);
    QPushButton* OkButton() const { return m_pOk; }
    // OK: read the controls, check, calculate, open the next dialog. A catalogue
    // error thrown on the way is shown and the dialog stays open.
    virtual void OnOk() = 0;

    // Names the control that shows a field, for the focus after a refused entry.
    void MapField(const std::string& strField, QWidget* pControl);
    // A refused entry: its message, then the focus on its field with the whole text selected
    // (a list only takes the focus).
    void ShowFailure(const sizing::SCheckFailure& failure);
    void FocusField(const std::string& strField);

    // The units of the value's category with its unit selected; a value without a known
    // unit gets the user's default unit of nCategoryId.
    CComboUnit* UnitCombo(const CUnitDouble& value, int nCategoryId, const QString& strName);

    CAccumulatorObject& m_product;

private:
    void OnOkClicked();
    void OnReference();
    void OnHelp();

    std::string m_strClassName;
    QPushButton* m_pOk = nullptr;
    std::map<std::string, QWidget*> m_fields;
};
