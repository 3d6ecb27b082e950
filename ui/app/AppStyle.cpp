#include "app/AppStyle.h"

int CAppStyle::styleHint(StyleHint eHint, const QStyleOption* pOption, const QWidget* pWidget,
                         QStyleHintReturn* pReturn) const
{
    if (eHint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(eHint, pOption, pWidget, pReturn);
}
