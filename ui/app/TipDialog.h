// The tip of the day: tips from the tips file, with the choice to show them at start-up.
#pragma once

#include "app/TipFile.h"

#include <QDialog>

class ISettings;
class QCheckBox;
class QLabel;

class CTipDlg : public QDialog
{
    Q_OBJECT

public:
    // Opens the tips file at the stored position; a missing or unreadable file is reported
    // (strings 127, 130) and IsUsable() is false.
    CTipDlg(ISettings& settings, const std::filesystem::path& tipsFile, QWidget* pParent = nullptr);

    bool IsUsable() const { return m_bUsable; }
    QString CurrentTip() const;
    QCheckBox* StartUpBox() const { return m_pStartUp; }

    // Shows the next tip.
    void OnNextTip();
    // OK stores whether to show the tips at start-up.
    void accept() override;

protected:
    void done(int nResult) override;

private:
    ISettings& m_settings;
    CTipFile m_file;
    bool m_bUsable = false;
    QLabel* m_pTip;
    QCheckBox* m_pStartUp;
};
