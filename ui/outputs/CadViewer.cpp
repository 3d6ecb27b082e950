// The CAD viewer window and its canvas.
#include "outputs/CadViewer.h"

#include "controls/NamedButtons.h"
#include "outputs/CadPainter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

CCadCanvas::CCadCanvas(const CCadDrawing& drawing, QWidget* pParent) : QWidget(pParent), m_drawing(drawing)
{
    setMinimumSize(640, 460);
    setAccessibleName(QCoreApplication::translate("CCadViewer", "Drawing"));
    setFocusPolicy(Qt::StrongFocus);
}

QRectF CCadCanvas::SheetRect() const
{
    const QRectF fitted = CadSheetRect(m_drawing, QRectF(rect()).adjusted(8, 8, -8, -8));
    QRectF sheet(0, 0, fitted.width() * m_dZoom, fitted.height() * m_dZoom);
    sheet.moveCenter(fitted.center() + m_offset);
    return sheet;
}

void CCadCanvas::ZoomBy(double dFactor, const QPointF& fixed)
{
    const double dZoom = std::clamp(m_dZoom * dFactor, 0.25, 40.0);
    // The point under the cursor stays where it is.
    const QPointF centre = SheetRect().center();
    m_offset += (centre - fixed) * (dZoom / m_dZoom - 1.0);
    m_dZoom = dZoom;
    update();
}

void CCadCanvas::Fit()
{
    m_dZoom = 1.0;
    m_offset = QPointF();
    update();
}

void CCadCanvas::PanBy(const QPointF& delta)
{
    m_offset += delta;
    update();
}

void CCadCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(96, 96, 96));
    PaintCadDrawing(painter, m_drawing, SheetRect());
}

void CCadCanvas::wheelEvent(QWheelEvent* pEvent)
{
    ZoomBy(pEvent->angleDelta().y() > 0 ? 1.25 : 0.8, pEvent->position());
    pEvent->accept();
}

void CCadCanvas::mousePressEvent(QMouseEvent* pEvent)
{
    m_lastMouse = pEvent->position();
}

void CCadCanvas::mouseMoveEvent(QMouseEvent* pEvent)
{
    if (pEvent->buttons() & (Qt::LeftButton | Qt::MiddleButton))
    {
        PanBy(pEvent->position() - m_lastMouse);
        m_lastMouse = pEvent->position();
    }
}

CCadViewer::CCadViewer(CCadDrawing drawing, std::function<void(QWidget*, const CCadDrawing&)> fnSave, QWidget* pParent)
    : QDialog(pParent), m_drawing(std::move(drawing)), m_fnSave(std::move(fnSave))
{
    setWindowTitle(QCoreApplication::translate("CCadViewer", "CAD Drawing - ") +
                   QString::fromStdString(m_drawing.m_strTitle));
    m_pCanvas = new CCadCanvas(m_drawing, this);
    auto* pButtons = new QHBoxLayout;
    const auto add = [&](const QString& strText, auto fnAction)
    {
        QPushButton* pButton = NamedButton(strText, this);
        pButton->setAutoDefault(false);
        connect(pButton, &QPushButton::clicked, this, fnAction);
        pButtons->addWidget(pButton);
        return pButton;
    };
    add(QCoreApplication::translate("CCadViewer", "Zoom &In"), [this] { m_pCanvas->ZoomIn(); });
    add(QCoreApplication::translate("CCadViewer", "Zoom &Out"), [this] { m_pCanvas->ZoomOut(); });
    add(QCoreApplication::translate("CCadViewer", "&Fit"), [this] { m_pCanvas->Fit(); });
    pButtons->addStretch();
    add(QCoreApplication::translate("CCadViewer", "&Print..."), [this] { OnPrint(); });
    add(QCoreApplication::translate("CCadViewer", "&Save As..."), [this] { m_fnSave(this, m_drawing); });
    add(QCoreApplication::translate("CCadViewer", "&Close"), [this] { accept(); });
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pCanvas, 1);
    pLayout->addLayout(pButtons);
    resize(1000, 760);
}

void CCadViewer::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A3));
    printer.setDocName(QString::fromStdString(m_drawing.m_strTitle));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    PaintCadDrawing(painter, m_drawing, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
}
