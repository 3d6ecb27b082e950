// The tip of the day dialog.
#include "app/TipDialog.h"

#include "app/AppSettings.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CTipDlg::CTipDlg(ISettings& settings, const std::filesystem::path& tipsFile, QWidget* pParent)
    : QDialog(pParent), m_settings(settings)
{
    setWindowTitle(QCoreApplication::translate("CTipDialog", "Tip of the Day"));
    setObjectName(QStringLiteral("CTipDlg"));

    auto* pPanel = new QFrame(this);
    pPanel->setFrameShape(QFrame::StyledPanel);
    pPanel->setAutoFillBackground(true);
    QPalette palette = pPanel->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    pPanel->setPalette(palette);
    auto* pIcon = new QLabel;
    const int nIcon = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    pIcon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(nIcon, nIcon));
    pIcon->setAlignment(Qt::AlignTop);
    auto* pHeading = new QLabel(QCoreApplication::translate("CTipDialog", "Did you know..."));
    QFont headingFont = pHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    pHeading->setFont(headingFont);
    m_pTip = new QLabel;
    m_pTip->setWordWrap(true);
    m_pTip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_pTip->setAccessibleName(QCoreApplication::translate("CTipDialog", "Tip"));
    m_pTip->setMinimumHeight(90);
    auto* pTextColumn = new QVBoxLayout;
    pTextColumn->addWidget(pHeading);
    pTextColumn->addWidget(m_pTip, 1);
    auto* pPanelLayout = new QHBoxLayout(pPanel);
    pPanelLayout->addWidget(pIcon);
    pPanelLayout->addLayout(pTextColumn, 1);

    m_pStartUp = new QCheckBox(QCoreApplication::translate("CTipDialog", "&Show tips at startup"), this);
    m_pStartUp->setAccessibleName(QCoreApplication::translate("CTipDialog", "Show tips at startup"));
    m_pStartUp->setChecked(m_settings.ReadInt(settingskey::TipStartUp, 0) == 0);
    auto* pNext = new QPushButton(QCoreApplication::translate("CTipDialog", "&Next Tip"), this);
    pNext->setAccessibleName(QCoreApplication::translate("CTipDialog", "Next Tip"));
    auto* pClose = new QPushButton(QCoreApplication::translate("CTipDialog", "Close"), this);
    pClose->setAccessibleName(QCoreApplication::translate("CTipDialog", "Close"));
    pClose->setDefault(true);
    connect(pNext, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(pClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_pStartUp);
    pButtons->addStretch();
    pButtons->addWidget(pNext);
    pButtons->addWidget(pClose);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pPanel, 1);
    pLayout->addLayout(pButtons);
    resize(460, 210);

    const std::string strStamp = m_settings.ReadString(settingskey::TipTimeStamp).value_or(std::string());
    switch (m_file.Open(tipsFile, m_settings.ReadInt(settingskey::TipFilePos, 0), strStamp))
    {
    case CTipFile::EState::Ok:
        m_bUsable = true;
        OnNextTip();
        break;
    case CTipFile::EState::Missing:
        GetPrompt().Message(LoadString(127));
        break;
    case CTipFile::EState::Unreadable:
        GetPrompt().Message(LoadString(130));
        break;
    }
}

QString CTipDlg::CurrentTip() const
{
    return m_pTip->text();
}

void CTipDlg::OnNextTip()
{
    m_pTip->setText(QString::fromStdString(m_file.NextTip()));
}

void CTipDlg::accept()
{
    m_settings.WriteInt(settingskey::TipStartUp, m_pStartUp->isChecked() ? 0 : 1);
    QDialog::accept();
}

void CTipDlg::done(int nResult)
{
    // However it closes, the next start goes on after the tip shown last.
    if (m_bUsable)
    {
        m_settings.WriteString(settingskey::TipFilePos, std::to_string(m_file.FilePos()));
        m_settings.WriteString(settingskey::TipTimeStamp, m_file.TimeStamp());
    }
    QDialog::done(nResult);
}
