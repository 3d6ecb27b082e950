// The code list: records on the items, the two-column drawing and the widths that only grow.
#include "controls/CodeComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace
{
constexpr int kRecordRole = Qt::UserRole;
// Space kept between the widest code and the description column.
constexpr int kColumnGap = 10;
// Inner margin of an item in the drop-down, on each side.
constexpr int kMargin = 4;

// Draws the list's items as code, then description at the box's tab stop.
class CCodeItemDelegate : public QStyledItemDelegate
{
public:
    explicit CCodeItemDelegate(CCodeComboBox* pBox) : QStyledItemDelegate(pBox), m_pBox(pBox) {}

    void paint(QPainter* pPainter, const QStyleOptionViewItem& opt, const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = opt;
        initStyleOption(&option, index);
        const bool bSelected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;

        pPainter->save();
        pPainter->fillRect(option.rect,
                           option.palette.brush(group, bSelected ? QPalette::Highlight : QPalette::Base));
        pPainter->setPen(option.palette.color(group, bSelected ? QPalette::HighlightedText : QPalette::Text));
        pPainter->setFont(option.font);

        const QRect text = option.rect.adjusted(kMargin, 0, -kMargin, 0);
        const QVariant record = index.data(kRecordRole);
        if (record.canConvert<SCodeItem>())
        {
            const SCodeItem item = record.value<SCodeItem>();
            const int nCodeWidth = option.fontMetrics.horizontalAdvance(item.strCode);
            pPainter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.strCode);
            const QRect description = text.adjusted(m_pBox->DescriptionOffset(nCodeWidth), 0, 0, 0);
            pPainter->drawText(description, Qt::AlignLeft | Qt::AlignVCenter, item.strDescription);
        }
        else
        {
            pPainter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, option.text);
        }

        if (option.state & QStyle::State_HasFocus)
        {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor =
                option.palette.color(group, bSelected ? QPalette::Highlight : QPalette::Base);
            QStyle* pStyle = option.widget ? option.widget->style() : QApplication::style();
            pStyle->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, pPainter, option.widget);
        }
        pPainter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = opt;
        initStyleOption(&option, index);
        const QVariant record = index.data(kRecordRole);
        int nWidth = option.fontMetrics.horizontalAdvance(option.text);
        if (record.canConvert<SCodeItem>())
        {
            const SCodeItem item = record.value<SCodeItem>();
            nWidth = m_pBox->DescriptionOffset(option.fontMetrics.horizontalAdvance(item.strCode)) +
                     option.fontMetrics.horizontalAdvance(item.strDescription);
        }
        return QSize(nWidth + 2 * kMargin, option.fontMetrics.height() + 2);
    }

private:
    CCodeComboBox* m_pBox;
};
} // namespace

CCodeComboBox::CCodeComboBox(QWidget* pParent) : QComboBox(pParent)
{
    setItemDelegate(new CCodeItemDelegate(this));
}

std::optional<SCodeItem> CCodeComboBox::Record(int nIndex) const
{
    if (nIndex < 0 || nIndex >= count())
        return std::nullopt;
    const QVariant record = itemData(nIndex, kRecordRole);
    if (!record.canConvert<SCodeItem>())
        return std::nullopt;
    return record.value<SCodeItem>();
}

int CCodeComboBox::AddItem(const QString& strCode, const QString& strDescription, int nValue)
{
    int nIndex = count();
    if (m_bSorted)
    {
        nIndex = 0;
        while (nIndex < count() && QString::compare(itemText(nIndex), strCode, Qt::CaseInsensitive) <= 0)
            ++nIndex;
    }
    insertItem(nIndex, strCode);
    setItemData(nIndex, QVariant::fromValue(SCodeItem{strCode, strDescription, nValue}), kRecordRole);
    // Screen readers hear both columns, not only the code the box shows.
    setItemData(nIndex, strDescription.isEmpty() ? strCode : strCode + QLatin1String(" ") + strDescription,
                Qt::AccessibleTextRole);
    if (m_bAutoWidth)
        RecomputeWidths();
    return nIndex;
}

bool CCodeComboBox::SetItemValue(int nIndex, int nValue)
{
    const std::optional<SCodeItem> record = Record(nIndex);
    if (!record)
        return false;
    SCodeItem item = *record;
    item.nValue = nValue;
    setItemData(nIndex, QVariant::fromValue(item), kRecordRole);
    return true;
}

int CCodeComboBox::GetItemValue(int nIndex) const
{
    const std::optional<SCodeItem> record = Record(nIndex);
    return record ? record->nValue : -1;
}

QString CCodeComboBox::GetCode(int nIndex) const
{
    const std::optional<SCodeItem> record = Record(nIndex);
    return record ? record->strCode : QString();
}

QString CCodeComboBox::GetDescription(int nIndex) const
{
    const std::optional<SCodeItem> record = Record(nIndex);
    return record ? record->strDescription : QString();
}

int CCodeComboBox::FindCode(const QString& strCode) const
{
    for (int i = 0; i < count(); ++i)
    {
        const std::optional<SCodeItem> record = Record(i);
        if (record && record->strCode == strCode)
            return i;
    }
    return -1;
}

int CCodeComboBox::DescriptionOffset(int nCodeWidth) const
{
    // Tab expansion with one stop repeats it: the first multiple past the code.
    const int nStop = std::max(1, m_nTabStop);
    return (nCodeWidth / nStop + 1) * nStop;
}

void CCodeComboBox::SetTabStop(int nTabStop)
{
    m_nTabStop = std::max(1, nTabStop);
    if (m_bAutoWidth)
        RecomputeWidths();
    view()->viewport()->update();
}

bool CCodeComboBox::SetAutoWidth(bool bAutoWidth)
{
    const bool bPrevious = m_bAutoWidth;
    m_bAutoWidth = bAutoWidth;
    if (bAutoWidth)
        RecomputeWidths();
    return bPrevious;
}

void CCodeComboBox::RecomputeWidths()
{
    const QFontMetrics metrics(view()->font());
    for (int i = 0; i < count(); ++i)
        if (const std::optional<SCodeItem> record = Record(i))
            m_nTabStop = std::max(m_nTabStop, metrics.horizontalAdvance(record->strCode) + kColumnGap);

    const int nScrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int i = 0; i < count(); ++i)
        if (const std::optional<SCodeItem> record = Record(i))
        {
            const int nWidth = DescriptionOffset(metrics.horizontalAdvance(record->strCode)) +
                               metrics.horizontalAdvance(record->strDescription) + 2 * kMargin + nScrollBar;
            m_nDropDownWidth = std::max(m_nDropDownWidth, nWidth);
        }
    view()->setMinimumWidth(m_nDropDownWidth);
}

void CCodeComboBox::changeEvent(QEvent* pEvent)
{
    QComboBox::changeEvent(pEvent);
    if (pEvent->type() == QEvent::FontChange && m_bAutoWidth)
        RecomputeWidths();
}
