// The disclaimer dialog's layout.
#include "app/DisclaimerDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

CDisclaimerDialog::CDisclaimerDialog(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CDisclaimerDialog", "Tesmara Accumulator Disclaimer"));
    setObjectName(QStringLiteral("CDisclaimerDialog"));

    auto* pCaptionFrame = new QFrame(this);
    pCaptionFrame->setFrameShape(QFrame::StyledPanel);
    auto* pCaption = new QLabel(QCoreApplication::translate(
        "CDisclaimerDialog", "Dalrow Safety Guide for Selecting and Using Accumulators and Accessories"));
    pCaption->setAlignment(Qt::AlignCenter);
    pCaption->setWordWrap(true);
    QFont captionFont = pCaption->font();
    captionFont.setBold(true);
    pCaption->setFont(captionFont);
    auto* pCaptionLayout = new QVBoxLayout(pCaptionFrame);
    pCaptionLayout->addWidget(pCaption);

    auto* pDanger = new QGroupBox(QCoreApplication::translate("CDisclaimerDialog", "DANGER!"), this);
    pDanger->setAccessibleName(QCoreApplication::translate("CDisclaimerDialog", "DANGER!"));
    auto* pIcon = new QLabel;
    const int nIcon = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    pIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(nIcon, nIcon));
    pIcon->setAccessibleName(QCoreApplication::translate("CDisclaimerDialog", "Warning"));
    auto* pWarning =
        new QLabel(QCoreApplication::translate("CDisclaimerDialog",
                                               "Failure or improper selection or improper use of accumulators "
                                               "and their related accessories can cause death, personal injury "
                                               "and property damage."));
    pWarning->setObjectName(QStringLiteral("7004"));
    pWarning->setAlignment(Qt::AlignCenter);
    pWarning->setWordWrap(true);
    QFont warningFont = pWarning->font();
    warningFont.setBold(true);
    pWarning->setFont(warningFont);
    auto* pDangerLayout = new QHBoxLayout(pDanger);
    pDangerLayout->addWidget(pIcon);
    pDangerLayout->addWidget(pWarning, 1);

    m_pText = new QTextEdit(this);
    m_pText->setReadOnly(true);
    m_pText->setAccessibleName(QCoreApplication::translate("CDisclaimerDialog", "Disclaimer"));
    m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pText->setFrameShape(QFrame::StyledPanel);
    QPalette palette = m_pText->palette();
    palette.setColor(QPalette::Base, QColor(215, 215, 215));
    palette.setColor(QPalette::Text, QColor(192, 0, 0));
    m_pText->setPalette(palette);
    QFont textFont(QStringLiteral("Arial"));
    textFont.setPointSizeF(8.75); // 175 twips
    m_pText->document()->setDefaultFont(textFont);
    m_pText->setHtml(DisclaimerText());
    // No caret: the box is for reading; the keys still scroll it.
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* pAccept = new QPushButton(QCoreApplication::translate("CDisclaimerDialog", "&Accept"), this);
    pAccept->setAccessibleName(QCoreApplication::translate("CDisclaimerDialog", "Accept"));
    auto* pDecline = new QPushButton(QCoreApplication::translate("CDisclaimerDialog", "&Decline"), this);
    pDecline->setAccessibleName(QCoreApplication::translate("CDisclaimerDialog", "Decline"));
    pAccept->setAutoDefault(false);
    pDecline->setAutoDefault(false);
    connect(pAccept, &QPushButton::clicked, this, &QDialog::accept);
    connect(pDecline, &QPushButton::clicked, this, &QDialog::reject);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pAccept);
    pButtons->addWidget(pDecline);
    pButtons->addStretch();

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(20, 12, 20, 12);
    pLayout->addWidget(pCaptionFrame);
    pLayout->addWidget(pDanger);
    pLayout->addWidget(m_pText, 1);
    pLayout->addLayout(pButtons);

    resize(620, 520);
    m_pText->setFocus();
}
