// The reservoir isolator capacity dialogs' entries, refusals and confirmation.
#include "products/OvrisolCapacityDialog.h"

#include "controls/ComboUnit.h"
#include "controls/EditNumeric.h"
#include "controls/UnitEntry.h"
#include "models/ModelDialogs.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "selection/OvrisolBase.h"
#include "sizing/CheckMessages.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

COvrisolCapacityDialog::COvrisolCapacityDialog(CAccumulatorObject& product, COvrisolBase& working,
                                               COvrisolBase& stored, const QString& strTitle,
                                               const char* pszClassName, QWidget* pParent)
    : CProductDialog(product, strTitle, pszClassName, true, pParent), m_working(working), m_stored(stored)
{
}

void COvrisolCapacityDialog::FinishLayout()
{
    // Wide enough for the whole title; no taller than the entries need.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
    adjustSize();
    setMaximumHeight(sizeHint().height());
}

void COvrisolCapacityDialog::AddEntry(QGridLayout& grid, const QString& strCaption, const std::string& strField,
                                      CUnitDouble& value, int nCategoryId)
{
    const int nRow = grid.rowCount();
    CEditNumeric* pEdit = NamedNumberEdit(strCaption);
    CComboUnit* pUnit = UnitListFor(value, nCategoryId, m_product.DefaultUnit(nCategoryId),
                                    QString(strCaption).remove(QLatin1Char(':')) +
                                        QCoreApplication::translate("COvrisolCapacityDialog", " unit"));
    grid.addWidget(modeldlg::Caption(strCaption, this, pEdit), nRow, 0);
    grid.addWidget(pEdit, nRow, 1);
    grid.addWidget(pUnit, nRow, 2);
    ShowValue(pEdit, value);
    m_entries[strField] = {&value, pEdit, pUnit};
}

CEditNumeric* COvrisolCapacityDialog::Entry(const std::string& strField) const
{
    const auto it = m_entries.find(strField);
    return it == m_entries.end() ? nullptr : it->second.pEdit;
}

CComboUnit* COvrisolCapacityDialog::UnitList(const std::string& strField) const
{
    const auto it = m_entries.find(strField);
    return it == m_entries.end() ? nullptr : it->second.pUnit;
}

void COvrisolCapacityDialog::Read(const std::string& strField)
{
    const SEntry& entry = m_entries.at(strField);
    ReadValue(*entry.pValue, entry.pEdit, entry.pUnit);
}

void COvrisolCapacityDialog::ShowFailure(const sizing::SCheckFailure& failure)
{
    GetPrompt().Message(failure.strMessage);
    if (CEditNumeric* pEdit = Entry(failure.strField))
    {
        pEdit->setFocus(Qt::OtherFocusReason);
        pEdit->selectAll();
    }
}

void COvrisolCapacityDialog::EndWithConfirmation(const std::function<void()>& fnCopyAccepted)
{
    if (m_working.IsSameAsStored())
    {
        done(dlg::CloseChain);
        return;
    }
    // Stating the capacity is step 1: the model chosen for the old capacity would be lost.
    const int nAnswer = m_product.ConfirmSelectionChange(1);
    if (nAnswer == answer::No)
        done(dlg::Cancel);
    else if (nAnswer != answer::Cancel)
    {
        fnCopyAccepted();
        done(dlg::Ok);
    }
}
