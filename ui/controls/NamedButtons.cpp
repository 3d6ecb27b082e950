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
    // Qt's own texts, in Qt's own translation: only the accessible names are ours.
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, pParent);
    for (QAbstractButton* pButton : pButtons->buttons())
        pButton->setAccessibleName(pButton->text().remove(QLatin1Char('&')));
    return pButtons;
}
