// The desktop CAD component: the viewer, the plot files and the preferences.
#include "outputs/CadComponent.h"

#include "app/DialogRunner.h"
#include "app/FileDialogs.h"
#include "outputs/CadFiles.h"
#include "outputs/CadPainter.h"
#include "outputs/CadPreferencesDialog.h"
#include "outputs/CadViewer.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

namespace
{
const QString kAllFilter = QStringLiteral(
    "DXF Drawing (*.dxf);;HP-GL Plot File (*.plt);;SVG Drawing (*.svg);;PDF Document (*.pdf)");
} // namespace

bool WriteCadPdf(const QString& strPath, const CCadDrawing& drawing, std::string& strError)
{
    // Rendered in memory, then written whole: a failed write keeps an existing file as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A3));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        pdf.setTitle(QString::fromStdString(drawing.m_strTitle));
        QPainter painter(&pdf);
        PaintCadDrawing(painter, drawing, QRectF(0, 0, pdf.width(), pdf.height()));
    }
    return WriteFileWhole(std::filesystem::path(strPath.toStdU16String()),
                          std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), strError);
}

CCadComponent::CCadComponent(ISettings& settings, std::function<IFileDialogs&()> fnFileDialogs, QWidget* pParent)
    : m_settings(settings), m_fnFileDialogs(std::move(fnFileDialogs)), m_pParent(pParent)
{
}

bool CCadComponent::Draw(const SCadRequest& request, CCadDrawing& drawing)
{
    std::string strError;
    if (DrawCadRequest(request, ReadCadPreferences(m_settings), CadDrawingDate(), drawing, strError))
        return true;
    GetPrompt().Message(QCoreApplication::translate("CCadComponent", "The CAD drawing cannot be made. %1")
                            .arg(QString::fromStdString(strError))
                            .toStdString());
    return false;
}

int CCadComponent::ViewCAD(const SCadRequest& request)
{
    CCadDrawing drawing;
    if (!Draw(request, drawing))
        return 0;
    CCadViewer viewer(std::move(drawing),
                      [this](QWidget* pParent, const CCadDrawing& shown) { SaveDrawing(pParent, shown, kAllFilter, "dxf"); },
                      m_pParent);
    GetDialogRunner().Run(viewer);
    return 1;
}

int CCadComponent::PrintDXF(const SCadRequest& request)
{
    CCadDrawing drawing;
    return Draw(request, drawing)
               ? SaveDrawing(m_pParent, drawing,
                             QCoreApplication::translate("CCadComponent", "DXF Drawing (*.dxf)"), "dxf")
               : 0;
}

int CCadComponent::PrintHPGL(const SCadRequest& request)
{
    CCadDrawing drawing;
    return Draw(request, drawing)
               ? SaveDrawing(m_pParent, drawing,
                             QCoreApplication::translate("CCadComponent", "HP-GL Plot File (*.plt)"), "plt")
               : 0;
}

int CCadComponent::SaveCAD(const SCadRequest& request)
{
    CCadDrawing drawing;
    return Draw(request, drawing) ? SaveDrawing(m_pParent, drawing, kAllFilter, "dxf") : 0;
}

int CCadComponent::SaveDrawing(QWidget* pParent, const CCadDrawing& drawing, const QString& strFilter,
                               const QString& strSuffix)
{
    // The folder chosen in the preferences, else the one the last drawing went to, else the documents.
    const SCadPreferences preferences = ReadCadPreferences(m_settings);
    QString strFolder = QString::fromStdU16String(preferences.defaultFolder.u16string());
    if (strFolder.isEmpty() || !QFileInfo(strFolder).isDir())
        strFolder = StartFolder(m_settings, EFileKind::Drawing);
    const QString strName = QString::fromStdString(drawing.m_strTitle) + "." + strSuffix;
    const QString strPath = m_fnFileDialogs().GetSaveFileName(pParent, strFolder, strName, strFilter, strSuffix);
    if (strPath.isEmpty())
        return 0;
    std::string strError;
    const std::filesystem::path path(strPath.toStdU16String());
    bool bWritten = false;
    if (strPath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        bWritten = WriteCadPdf(strPath, drawing, strError);
    else if (const std::optional<ECadFormat> eFormat = CadFormatForPath(path))
    {
        bWritten = WriteFileWhole(path, CadFileBytes(drawing, *eFormat), strError);
        // A text the file's code page cannot hold is told, once.
        if (const auto strUnfit = bWritten ? CadTextUnfitFor(drawing, *eFormat) : std::nullopt)
            GetPrompt().Message(CadTextUnfitNotice(*strUnfit, *eFormat));
    }
    else
        strError = QCoreApplication::translate("CCadComponent",
                                               "Choose a file name ending in .dxf, .plt, .svg or .pdf.")
                       .toStdString();
    if (!bWritten)
        GetPrompt().Message(strError);
    else
        RememberFolder(m_settings, EFileKind::Drawing, strPath); // only a convenience if it fails
    return bWritten ? 1 : 0;
}

void CCadComponent::DisplayCADPreferences(int)
{
    CCadPreferencesDialog dialog(ReadCadPreferences(m_settings), m_pParent);
    if (GetDialogRunner().Run(dialog) != QDialog::Accepted)
        return;
    if (!WriteCadPreferences(m_settings, dialog.Preferences()))
        GetPrompt().Message(
            QCoreApplication::translate("CCadComponent", "The CAD preferences could not be stored.")
                .toStdString());
}
