// Shared pieces of the model and details dialogs.
#include "models/ModelDialogs.h"

#include "catalogue/Catalogue.h"
#include "controls/CodeComboBox.h"
#include "controls/NamedButtons.h"
#include "models/SealSearch.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <exception>
#include <numeric>

namespace modeldlg
{
namespace
{
constexpr int kRowRole = Qt::UserRole + 10;
} // namespace

QLabel* Caption(const QString& strText, QWidget* pParent, QWidget* pBuddy)
{
    auto* pLabel = new QLabel(strText, pParent);
    const QString strName = QString(strText).remove(QLatin1Char('&')).trimmed();
    pLabel->setAccessibleName(strName);
    if (pBuddy)
    {
        pLabel->setBuddy(pBuddy);
        pBuddy->setAccessibleName(strName);
    }
    return pLabel;
}

QPlainTextEdit* ReadOnlyText(const QString& strName, int nLines, QWidget* pParent)
{
    auto* pText = new QPlainTextEdit(pParent);
    pText->setReadOnly(true);
    pText->setAccessibleName(strName);
    // Tab moves on to the next control instead of staying in the text.
    pText->setTabChangesFocus(true);
    pText->setFixedHeight(pText->fontMetrics().lineSpacing() * nLines + 12);
    return pText;
}

SButtonRow ButtonRow(QWidget* pParent)
{
    SButtonRow row{
        new QHBoxLayout, NamedButton(QCoreApplication::translate("CModelDialogs", "&Reference"), pParent),
        NamedButton(QCoreApplication::translate("CModelDialogs", "&Help"), pParent), nullptr, nullptr};
    auto* pButtons = OkCancelButtons(pParent);
    row.pOk = pButtons->button(QDialogButtonBox::Ok);
    row.pOk->setDefault(true);
    row.pCancel = pButtons->button(QDialogButtonBox::Cancel);
    row.pLayout->addWidget(row.pReference);
    row.pLayout->addWidget(row.pHelp);
    row.pLayout->addStretch();
    row.pLayout->addWidget(pButtons);
    return row;
}

bool NaturalLess(const QString& strLeft, const QString& strRight)
{
    int i = 0, j = 0;
    while (i < strLeft.size() && j < strRight.size())
    {
        if (strLeft[i].isDigit() && strRight[j].isDigit())
        {
            int iEnd = i, jEnd = j;
            while (iEnd < strLeft.size() && strLeft[iEnd].isDigit())
                ++iEnd;
            while (jEnd < strRight.size() && strRight[jEnd].isDigit())
                ++jEnd;
            const double dLeft = strLeft.mid(i, iEnd - i).toDouble();
            const double dRight = strRight.mid(j, jEnd - j).toDouble();
            if (dLeft != dRight)
                return dLeft < dRight;
            i = iEnd;
            j = jEnd;
            continue;
        }
        const int nCompare = QString::compare(QString(strLeft[i]), QString(strRight[j]), Qt::CaseInsensitive);
        if (nCompare != 0)
            return nCompare < 0;
        ++i;
        ++j;
    }
    return strLeft.size() - i < strRight.size() - j;
}

void FillBox(QComboBox& box, const SDetailList& list, bool bSorted)
{
    const QSignalBlocker blocker(&box);
    box.clear();
    std::vector<int> order(list.items.size());
    std::iota(order.begin(), order.end(), 0);
    if (bSorted)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b)
                         {
                             return NaturalLess(QString::fromStdString(list.items[a].m_strDescription),
                                                QString::fromStdString(list.items[b].m_strDescription));
                         });
    auto* pCodeBox = qobject_cast<CCodeComboBox*>(&box);
    for (int nRow : order)
    {
        const CPartCode& item = list.items[static_cast<std::size_t>(nRow)];
        const QString strText = QString::fromStdString(item.m_strDescription);
        int nIndex = box.count();
        if (pCodeBox)
        {
            nIndex = pCodeBox->AddItem(QString::fromStdString(item.m_strCode), strText, nRow);
            // The closed box shows the text, which is what the user chose by.
            box.setItemText(nIndex, strText);
        }
        else
        {
            box.addItem(strText);
        }
        box.setItemData(nIndex, nRow, kRowRole);
        if (nRow == list.nSelected)
            box.setCurrentIndex(nIndex);
    }
    if (list.nSelected < 0)
        box.setCurrentIndex(-1);
}

int ChosenRow(const QComboBox& box)
{
    const QVariant row = box.currentIndex() < 0 ? QVariant() : box.itemData(box.currentIndex(), kRowRole);
    return row.isValid() ? row.toInt() : -1;
}

void EndModelStep(QDialog& dialog, CAccumulatorObject& product, const CAccumulatorData& working)
{
    if (working.IsSameAsStored())
    {
        dialog.done(dlg::CloseChain);
        return;
    }
    int nAnswer = answer::Cancel;
    if (!Guarded([&] { nAnswer = product.ConfirmSelectionChange(2); }) || nAnswer == answer::Cancel)
        return;
    dialog.done(nAnswer == answer::No ? dlg::Cancel : dlg::Ok);
}

std::string Message(CAccumulatorObject& product, const std::string& strKey)
{
    std::string strText;
    if (!Guarded([&] { strText = product.Messages().GetMessage(strKey); }))
        return strKey;
    return strText;
}

void ShowMessage(CAccumulatorObject& product, const std::string& strKey)
{
    GetPrompt().Message(Message(product, strKey));
}

bool Guarded(const std::function<void()>& fnAction)
{
    try
    {
        fnAction();
        return true;
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
        return false;
    }
}

void OpenHelp(CAccumulatorObject& product, const char* pszDialog)
{
    Guarded([&] { product.ShowHelp(pszDialog); });
}

void OpenReference(CAccumulatorObject& product, const std::string& strSeries, const char* pszDialog)
{
    std::string strTopic;
    const bool bRead = Guarded(
        [&]
        {
            if (!strSeries.empty())
                strTopic = product.GetRefJump(strSeries, pszDialog);
            if (strTopic.empty() && !strSeries.empty())
                strTopic = product.GetRefJump(strSeries, "ALL");
            if (strTopic.empty())
                strTopic = product.GetRefJump("ALL", pszDialog);
        });
    if (bRead)
        Guarded([&] { product.ViewReferenceTopic(strTopic); });
}
} // namespace modeldlg
