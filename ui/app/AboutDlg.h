// The About box with the product version of this build.
#pragma once

#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    // The product version the build was made with, e.g. "0.1.0".
    static QString ProductVersion();
    QString VersionText() const;

private:
    QLabel* m_pVersion;
};
