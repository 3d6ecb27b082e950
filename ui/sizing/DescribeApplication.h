// "Describe Application": what the accumulator is for, which decides the sizing dialog that follows.
#pragma once

#include "sizing/SizingDialog.h"

class QButtonGroup;
class QRadioButton;

class CDescribeApplication : public CSizingDialog
{
    Q_OBJECT

public:
    CDescribeApplication(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                         QWidget* pParent = nullptr);

    // The radio button of an application (0 to 7).
    QRadioButton* ApplicationButton(int nApp) const;
    int CheckedApplication() const;

protected:
    void OnOk() override;

private:
    // Opens the first dialog of an application's chain and returns how it ended.
    int RunApplication(int nApp);
    template <class TDialog> int RunNext()
    {
        TDialog next(m_product, m_working, m_stored, this);
        return RunNested(next);
    }

    QButtonGroup* m_pGroup;
};
