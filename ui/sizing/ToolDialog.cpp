// The tools' shared frame: buttons, references, refused entries.
#include "sizing/ToolDialog.h"

#include "controls/ComboUnit.h"
#include "controls/NamedButtons.h"
#include "platform/Prompt.h"
#include "product/AccumulatorObject.h"
#include "product/StepDialogs.h"
#include "sizing/CheckMessages.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

CToolDialog::CToolDialog(CAccumulatorObject& product, const QString& strTitle, std::string strClassName,
                         QWidget* pParent)
    : QDialog(pParent), m_product(product), m_strClassName(std::move(strClassName))
{
    setWindowTitle(strTitle);
}

void CToolDialog::SetContent(QLayout* pContent, bool bHelp)
{
    auto* pReference = NamedButton(QStringLiteral("&Reference"));
    auto* pOk = NamedButton(QStringLiteral("OK"));
    pOk->setDefault(true);
    m_pOk = pOk;
    auto* pCancel = NamedButton(QStringLiteral("Cancel"));

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(pReference);
    if (bHelp)
    {
        auto* pHelp = NamedButton(QStringLiteral("&Help"));
        pButtons->addWidget(pHelp);
        connect(pHelp, &QPushButton::clicked, this, &CToolDialog::OnHelp);
    }
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pContent);
    pLayout->addSpacing(8);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough for the title, often drawn bold, beside the window's own buttons.
    QFont title = font();
    title.setBold(true);
    pLayout->addStrut(QFontMetrics(title).horizontalAdvance(windowTitle()) +
                      16 * fontMetrics().averageCharWidth());

    connect(pOk, &QPushButton::clicked, this, &CToolDialog::OnOkClicked);
    connect(pCancel, &QPushButton::clicked, this, &CToolDialog::reject);
    connect(pReference, &QPushButton::clicked, this, &CToolDialog::OnReference);
}

void CToolDialog::reject()
{
    done(dlg::Cancel);
}

void CToolDialog::OnOkClicked()
{
    try
    {
        OnOk();
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CToolDialog::OnReference()
{
    try
    {
        m_product.ViewReferenceTopic(m_product.GetRefJump("ALL", m_strClassName));
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CToolDialog::OnHelp()
{
    try
    {
        m_product.OpenReferenceCategory("Help");
    }
    catch (const std::exception& e)
    {
        GetPrompt().Message(e.what());
    }
}

void CToolDialog::MapField(const std::string& strField, QLineEdit* pEdit)
{
    m_fields[strField] = pEdit;
}

QLineEdit* CToolDialog::FieldControl(const std::string& strField) const
{
    const auto it = m_fields.find(strField);
    return it == m_fields.end() ? nullptr : it->second;
}

void CToolDialog::ShowFailure(const sizing::SCheckFailure& failure)
{
    GetPrompt().Message(failure.strMessage);
    if (QLineEdit* pEdit = FieldControl(failure.strField))
    {
        pEdit->setFocus(Qt::OtherFocusReason);
        pEdit->selectAll();
    }
}

CComboUnit* CToolDialog::UnitCombo(const CUnitDouble& value, const QString& strName)
{
    auto* pCombo = new CComboUnit;
    pCombo->setAccessibleName(strName);
    pCombo->FillUnits(value);
    return pCombo;
}
