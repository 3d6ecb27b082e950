// A drop-down list of catalogue entries: each shows its text and holds its number.
#pragma once

#include "sizing/SizingLists.h"

#include <QComboBox>

#include <optional>
#include <vector>

class CListCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit CListCombo(const QString& strName, QWidget* pParent = nullptr);

    // Replaces the entries, selecting none.
    void Fill(const std::vector<sizing::SListItem>& items);
    // Selects the first entry with this text, or this number exactly; false when there is none
    // (the selection is then cleared).
    bool SelectText(const std::string& strText);
    bool SelectNumber(double dNumber);
    // The selected entry's number and text; nothing selected gives nullopt and empty text.
    std::optional<double> SelectedNumber() const;
    std::string SelectedText() const;
};
