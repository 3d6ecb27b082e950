// A drop-down list of model-number codes, each shown with its description in a second column.
#pragma once

#include <QComboBox>
#include <QMetaType>

#include <optional>

// The record of an item added with AddItem.
struct SCodeItem
{
    QString strCode;
    QString strDescription;
    int nValue = 0;
};
Q_DECLARE_METATYPE(SCodeItem)

class CCodeComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CCodeComboBox(QWidget* pParent = nullptr);

    // Adds an item showing the code (the closed box shows only the code) and returns its index.
    // In a sorted box the item goes in order of its code.
    int AddItem(const QString& strCode, const QString& strDescription, int nValue);
    // The user value of an item; -1 for an item without a record (or no item).
    bool SetItemValue(int nIndex, int nValue);
    int GetItemValue(int nIndex) const;
    // The texts of an item's record, or empty text.
    QString GetCode(int nIndex) const;
    QString GetDescription(int nIndex) const;
    // The first item whose code equals the text exactly (case-sensitive), or -1.
    int FindCode(const QString& strCode) const;

    // Where the description column begins, in pixels from the item's text start.
    void SetTabStop(int nTabStop);
    int GetTabStop() const { return m_nTabStop; }
    // Whether each addition widens the columns and the drop-down; returns the previous setting.
    bool SetAutoWidth(bool bAutoWidth);
    // Items go in order of their codes (case-insensitive) when on; off by default.
    void SetSorted(bool bSorted) { m_bSorted = bSorted; }
    // The width the drop-down list is kept at least at; it only grows.
    int GetDropDownWidth() const { return m_nDropDownWidth; }

    // Where an item's description starts after a code of that width: the first tab stop past it.
    int DescriptionOffset(int nCodeWidth) const;

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    void RecomputeWidths();
    std::optional<SCodeItem> Record(int nIndex) const;

    int m_nTabStop = 10;
    bool m_bAutoWidth = true;
    bool m_bSorted = false;
    int m_nDropDownWidth = 0;
};
