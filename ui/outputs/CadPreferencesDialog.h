// "CAD Preferences": the units of the dimensions, the title block's company and the folder
// drawings are saved to.
#pragma once

#include "outputs/CadPreferences.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

class CCadPreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    CCadPreferencesDialog(const SCadPreferences& preferences, QWidget* pParent = nullptr);

    // What the dialog holds now.
    SCadPreferences Preferences() const;
    QRadioButton* UnitsButton(ECadUnits eUnits) const { return m_pUnits[static_cast<int>(eUnits)]; }
    QLineEdit* CompanyEdit() const { return m_pCompany; }
    QLineEdit* FolderEdit() const { return m_pFolder; }
    // OK: a folder that does not exist is refused and the dialog stays open.
    void OnOk();

private:
    QRadioButton* m_pUnits[3] = {};
    QLineEdit* m_pCompany = nullptr;
    QLineEdit* m_pFolder = nullptr;
};
