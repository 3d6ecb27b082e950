// A drop-down list that fills itself anew each time it opens, so it shows what the other
// filters of its dialog leave at that moment.
#pragma once

#include <QComboBox>

#include <functional>
#include <utility>

class CRefillComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Called before the list opens; it refills the items and keeps the current one.
    void SetRefill(std::function<void()> fnRefill) { m_fnRefill = std::move(fnRefill); }

    void showPopup() override
    {
        if (m_fnRefill)
            m_fnRefill();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_fnRefill;
};
