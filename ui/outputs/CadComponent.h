// Our CAD component on the desktop: views, plots and saves the drawing of a request, and keeps
// the CAD preferences in the settings.
#pragma once

#include "outputs/CadObject.h"

#include <QString>

#include <functional>

class IFileDialogs;
class ISettings;
class QWidget;

class CCadComponent : public ICadObject
{
public:
    // fnFileDialogs gives the file dialogs in force when a file is asked for.
    CCadComponent(ISettings& settings, std::function<IFileDialogs&()> fnFileDialogs, QWidget* pParent);

    int ViewCAD(const SCadRequest& request) override;
    int PrintDXF(const SCadRequest& request) override;
    int PrintHPGL(const SCadRequest& request) override;
    int SaveCAD(const SCadRequest& request) override;
    void DisplayCADPreferences(int nFlags) override;

    // Asks for a file and writes the drawing in the format its name asks for (DXF, HP-GL, SVG,
    // PDF); strFilter narrows the choice. 1 when written.
    int SaveDrawing(QWidget* pParent, const CCadDrawing& drawing, const QString& strFilter,
                    const QString& strSuffix);

private:
    // The request's drawing; false after telling the user why not.
    bool Draw(const SCadRequest& request, CCadDrawing& drawing);

    ISettings& m_settings;
    std::function<IFileDialogs&()> m_fnFileDialogs;
    QWidget* m_pParent;
};

// Writes the sheet as a one-page A3 PDF. False with the reason.
bool WriteCadPdf(const QString& strPath, const CCadDrawing& drawing, std::string& strError);
