// Whole selections through the application object: the running application on temporary settings with
// scripted file dialogs, and the scripts that choose a piston model and its details.
#pragma once

#include "../sizing/SizingFixture.h"
#include "app/CommandIds.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/QtSettings.h"
#include "controls/CodeComboBox.h"
#include "models/AccumulatorChooseModel.h"
#include "models/ChooseSeals.h"
#include "models/DetailsPiston1.h"
#include "models/FluidCompatability.h"
#include "products/ChooseProduct.h"
#include "products/TesmaraButton.h"
#include "products/TesmaraView.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class CScriptedFiles : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return m_strPath; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return m_strPath;
    }
    QString m_strPath;
};

enum EStep
{
    kProduct = 100,
    kApplication = 101,
    kModel = 102,
    kDetails = 103,
};

// The first piston in the grid.
inline int ChoosePiston(QDialog& d)
{
    auto& c = static_cast<CAccumulatorChooseModel&>(d);
    const auto& rows = c.Search().rows;
    const auto it =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.strType == "Piston"; });
    if (it == rows.end())
        return dlg::Cancel;
    c.Grid()->selectRow(static_cast<int>(it - rows.begin()));
    c.OnOk();
    return d.result();
}

inline bool SelectCode(CCodeComboBox* pBox, const QString& strCode)
{
    const int nIndex = pBox->FindCode(strCode);
    pBox->setCurrentIndex(nIndex);
    return nIndex >= 0;
}

// The seal found for a polyol ester at 0 to 200 deg F, alternate ports, the gas valve guard.
inline void ScriptDetails(CChainScript& script)
{
    script["Fluid Compatibility"] = [](QDialog& d)
    {
        auto& f = static_cast<CFluidCompatability&>(d);
        f.FluidBox()->setCurrentText("Fire-Resistant Polyol Ester (HFD-U)");
        Enter(f.HighTemp(), "200");
        Enter(f.LowTemp(), "0");
        f.OnSearch();
        const auto found = f.ResultList()->findItems("Fluorocarbon (FKM)", Qt::MatchExactly);
        if (found.size() != 1)
            return dlg::Cancel;
        f.ResultList()->setCurrentItem(found.front());
        f.OnOk();
        return d.result();
    };
    script["Choose Seals"] = [](QDialog& d)
    {
        auto& s = static_cast<CChooseSeals&>(d);
        s.OnFluidCompatibility();
        s.OnOk();
        return d.result();
    };
    script["Choose Accumulator Details - Piston Type"] = [](QDialog& d)
    {
        auto& p = static_cast<CDetailsPiston1&>(d);
        FindButton(p, "Selection Assistance")->click();
        if (!SelectCode(p.PortBox(), "2") || !SelectCode(p.PortTypeBox(), "-M") ||
            !SelectCode(p.GasPortTypeBox(), "M") || p.OptionBoxes().isEmpty())
            return dlg::Cancel;
        p.OptionBoxes().front()->setChecked(true); // the gas valve guard
        p.OnOk();
        return d.result();
    };
}

// The desktop application on temporary settings, with its file dialogs scripted.
struct SDesktop
{
    SDesktop()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        settings = std::make_unique<CQtSettings>(dir.filePath("user.ini"), dir.filePath("system.ini"),
                                                 TESMARA_BUILT_DEFAULTS_INI);
        app = std::make_unique<CEuropeanAccumulatorApp>(*settings, QStringList{"--no-splash"});
        app->SetFileDialogs(&files);
    }
    ~SDesktop()
    {
        app.reset();
        settings.reset();
    }

    CEuropeanAccumulatorView& View() { return *app->View(); }
    CAccumulatorObject& Product() { return app->Product(); }
    QStringList PanelTexts() { return View().DisplayTexts(); }

    // Accumulators, the application as scripted, the first piston and the scripted details,
    // through the panel's buttons.
    void SelectPiston(CChainScript& script)
    {
        script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Accumulators"); };
        script["Choose Accumulator"] = ChoosePiston;
        ScriptDetails(script);
        for (int nStep : {kProduct, kApplication, kModel, kDetails})
            View().OnStepButton(nStep);
    }

    // Saved under a name, a new selection, the file opened again.
    void SaveNewReopen(const QString& strName)
    {
        files.m_strPath = dir.filePath(strName);
        app->OnCommand(cmd::FileSave);
        QVERIFY(QFileInfo::exists(files.m_strPath));
        QVERIFY(!Product().m_bModified);
        app->OnCommand(cmd::FileNew);
        QVERIFY(View().PartNumberText().isEmpty());
        QVERIFY(PanelTexts()[0].isEmpty());
        app->OnCommand(cmd::FileOpen);
    }

    QTemporaryDir dir;
    std::unique_ptr<CQtSettings> settings;
    std::unique_ptr<CEuropeanAccumulatorApp> app;
    CScriptedFiles files;
};
