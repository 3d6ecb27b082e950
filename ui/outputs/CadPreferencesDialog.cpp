// The CAD preferences dialog.
#include "outputs/CadPreferencesDialog.h"

#include "controls/NamedButtons.h"
#include "platform/Prompt.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CCadPreferencesDialog::CCadPreferencesDialog(const SCadPreferences& preferences, QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CCadPreferencesDialog", "CAD Preferences"));
    auto* pUnits =
        new QGroupBox(QCoreApplication::translate("CCadPreferencesDialog", "Dimension Units"), this);
    pUnits->setAccessibleName(pUnits->title());
    auto* pUnitsLayout = new QVBoxLayout(pUnits);
    const QString texts[] = {
        QCoreApplication::translate("CCadPreferencesDialog", "&Inches"),
        QCoreApplication::translate("CCadPreferencesDialog", "&Millimetres"),
        QCoreApplication::translate("CCadPreferencesDialog", "&Both (inches, millimetres in brackets)")};
    for (int i = 0; i < 3; ++i)
    {
        m_pUnits[i] = new QRadioButton(texts[i], pUnits);
        m_pUnits[i]->setAccessibleName(QString(texts[i]).remove(QLatin1Char('&')));
        pUnitsLayout->addWidget(m_pUnits[i]);
    }
    m_pUnits[static_cast<int>(preferences.eUnits)]->setChecked(true);

    m_pCompany = new QLineEdit(QString::fromStdString(preferences.strCompany), this);
    m_pCompany->setAccessibleName(
        QCoreApplication::translate("CCadPreferencesDialog", "Title block company"));
    m_pCompany->setMaxLength(kMaxCadCompanyLength);
    m_pFolder = new QLineEdit(QString::fromStdU16String(preferences.defaultFolder.u16string()), this);
    m_pFolder->setAccessibleName(QCoreApplication::translate("CCadPreferencesDialog", "Default folder"));
    m_pFolder->setPlaceholderText(QCoreApplication::translate("CCadPreferencesDialog", "Your documents folder, or where the last drawing went"));
    QPushButton* pBrowse =
        NamedButton(QCoreApplication::translate("CCadPreferencesDialog", "B&rowse..."), this);
    connect(pBrowse, &QPushButton::clicked, this,
            [this]
            {
                const QString strFolder = QFileDialog::getExistingDirectory(
                    this, QCoreApplication::translate("CCadPreferencesDialog", "Default Folder"),
                    m_pFolder->text());
                if (!strFolder.isEmpty())
                    m_pFolder->setText(strFolder);
            });
    auto* pFolderRow = new QHBoxLayout;
    pFolderRow->addWidget(m_pFolder, 1);
    pFolderRow->addWidget(pBrowse);

    auto* pForm = new QFormLayout;
    pForm->addRow(QCoreApplication::translate("CCadPreferencesDialog", "Title block &company:"), m_pCompany);
    // The row is a layout, which takes no mnemonic: the label names the folder's field itself.
    auto* pFolderLabel =
        new QLabel(QCoreApplication::translate("CCadPreferencesDialog", "&Default folder:"), this);
    pFolderLabel->setBuddy(m_pFolder);
    pForm->addRow(pFolderLabel, pFolderRow);

    QDialogButtonBox* pButtons = OkCancelButtons(this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CCadPreferencesDialog::OnOk);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pUnits);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);
    resize(480, sizeHint().height());
}

SCadPreferences CCadPreferencesDialog::Preferences() const
{
    SCadPreferences preferences;
    for (int i = 0; i < 3; ++i)
        if (m_pUnits[i]->isChecked())
            preferences.eUnits = static_cast<ECadUnits>(i);
    preferences.strCompany = m_pCompany->text().trimmed().toStdString();
    preferences.defaultFolder = std::filesystem::path(m_pFolder->text().trimmed().toStdU16String());
    return preferences;
}

void CCadPreferencesDialog::OnOk()
{
    const QString strFolder = m_pFolder->text().trimmed();
    if (!strFolder.isEmpty() && !QFileInfo(strFolder).isDir())
    {
        GetPrompt().Message(
            QCoreApplication::translate("CCadPreferencesDialog", "The folder %1 does not exist.")
                .arg(strFolder)
                .toStdString());
        m_pFolder->setFocus();
        m_pFolder->selectAll();
        return;
    }
    accept();
}
