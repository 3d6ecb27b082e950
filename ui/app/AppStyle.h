// The program's look on top of the platform style: every dialog's buttons the same.
#pragma once

#include <QProxyStyle>

class CAppStyle : public QProxyStyle
{
public:
    // Some platform styles put icons on the buttons of standard button rows only; the
    // program's other dialogs build their rows by hand, so no row carries icons.
    int styleHint(StyleHint eHint, const QStyleOption* pOption = nullptr, const QWidget* pWidget = nullptr,
                  QStyleHintReturn* pReturn = nullptr) const override;
};
