// The About box.
#include "app/AboutDlg.h"

#include "app/SplashWnd.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CAboutDlg", "About Tesmara Accumulator"));
    setObjectName(QStringLiteral("CAboutDlg"));

    auto* pPicture = new QLabel;
    pPicture->setPixmap(CSplashWnd::Picture().scaledToWidth(240, Qt::SmoothTransformation));
    pPicture->setAccessibleName(QCoreApplication::translate("CAboutDlg", "Tesmara Accumulator"));

    auto* pName = new QLabel(QCoreApplication::translate("CAboutDlg", "Tesmara Accumulator"));
    QFont nameFont = pName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    pName->setFont(nameFont);
    m_pVersion = new QLabel(QCoreApplication::translate("CAboutDlg", "Version %1").arg(ProductVersion()));
    m_pVersion->setObjectName(QStringLiteral("62535"));
    m_pVersion->setAccessibleName(QCoreApplication::translate("CAboutDlg", "Version"));
    m_pVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* pText = new QLabel(QCoreApplication::translate("CAboutDlg",
                                                         "Sizing and selection of hydraulic accumulators, gas "
                                                         "bottles and their accessories.\n\nCopyright \u00A9 "
                                                         "Dalrow Mestlin."));
    pText->setWordWrap(true);

    auto* pColumn = new QVBoxLayout;
    pColumn->addWidget(pName);
    pColumn->addWidget(m_pVersion);
    pColumn->addSpacing(8);
    pColumn->addWidget(pText);
    pColumn->addStretch();
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(pPicture, 0, Qt::AlignTop);
    pRow->addLayout(pColumn, 1);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pButtons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pRow);
    pLayout->addWidget(pButtons);
    setFixedWidth(560);
}

QString CAboutDlg::ProductVersion()
{
    return QStringLiteral(TESMARA_VERSION);
}

QString CAboutDlg::VersionText() const
{
    return m_pVersion->text();
}
