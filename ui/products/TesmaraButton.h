// A step button of the step panel: Tab goes to the panel's own order, Enter acts as a click.
#pragma once

#include <QPushButton>

class CTesmaraButton : public QPushButton
{
    Q_OBJECT

public:
    CTesmaraButton(const QString& strText, int nId, QWidget* pParent);

    // The control id: 100 for the first step.
    int Id() const { return m_nId; }

signals:
    // Tab (forward) or Shift+Tab typed while this button has the focus.
    void TabPressed(bool bForward);

protected:
    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    int m_nId;
};
