#include "controls/NamedButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

QPushButton* NamedButton(const QString& strText, QWidget* pParent)
{
    auto* pButton = new QPushButton(strText, pParent);
    pButton->setAccessibleName(QString(strText).remove(QLatin1Char('&')));
    return pButton;
}

QDialogButtonBox* OkCancelButtons(QWidget* pParent)
{
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, pParent);
    for (const auto& [eButton, strText] : {std::pair{QDialogButtonBox::Ok, QStringLiteral("OK")},
                                           std::pair{QDialogButtonBox::Cancel, QStringLiteral("Cancel")}})
    {
        QPushButton* pButton = pButtons->button(eButton);
        pButton->setText(strText);
        pButton->setAccessibleName(strText);
    }
    return pButtons;
}
