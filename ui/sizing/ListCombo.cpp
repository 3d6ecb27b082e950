// The catalogue list drop-down: entries with their numbers, selected by text or number.
#include "sizing/ListCombo.h"

CListCombo::CListCombo(const QString& strName, QWidget* pParent) : QComboBox(pParent)
{
    setAccessibleName(strName);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void CListCombo::Fill(const std::vector<sizing::SListItem>& items)
{
    clear();
    for (const sizing::SListItem& item : items)
        addItem(QString::fromStdString(item.strText), item.dNumber);
    setCurrentIndex(-1);
}

bool CListCombo::SelectText(const std::string& strText)
{
    setCurrentIndex(findText(QString::fromStdString(strText), Qt::MatchExactly));
    return currentIndex() >= 0;
}

bool CListCombo::SelectNumber(double dNumber)
{
    int nFound = -1;
    for (int i = 0; i < count() && nFound < 0; ++i)
        if (itemData(i).toDouble() == dNumber)
            nFound = i;
    setCurrentIndex(nFound);
    return nFound >= 0;
}

std::optional<double> CListCombo::SelectedNumber() const
{
    if (currentIndex() < 0)
        return std::nullopt;
    return itemData(currentIndex()).toDouble();
}

std::string CListCombo::SelectedText() const
{
    return currentIndex() < 0 ? std::string() : currentText().toStdString();
}
