// The splash window and its picture.
#include "app/SplashWnd.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

CSplashWnd::CSplashWnd(QWidget* pMainWindow)
    : QWidget(pMainWindow, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(Picture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(QCoreApplication::translate("CSplashWnd", "Tesmara Accumulator"));
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    const QRect area = pMainWindow && pMainWindow->isVisible() ? pMainWindow->frameGeometry()
                       : QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->availableGeometry()
                           : QRect(0, 0, 1024, 768);
    move(area.center() - rect().center());
    qApp->installEventFilter(this);
    m_timer.start(kDisplayMs, this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
}

QPixmap CSplashWnd::Picture()
{
    QPixmap picture(480, 280);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, picture.height());
    background.setColorAt(0, QColor(18, 52, 96));
    background.setColorAt(1, QColor(6, 22, 44));
    painter.fillRect(picture.rect(), background);

    // An accumulator shell: a capsule with its gas valve and fluid port.
    painter.setPen(QPen(QColor(200, 214, 230), 3));
    painter.setBrush(QColor(40, 90, 150));
    painter.drawRoundedRect(QRectF(380, 50, 56, 170), 28, 28);
    painter.fillRect(QRectF(400, 36, 16, 16), QColor(200, 214, 230));
    painter.fillRect(QRectF(396, 218, 24, 20), QColor(200, 214, 230));
    painter.setPen(QPen(QColor(232, 160, 40), 2, Qt::DashLine));
    painter.drawLine(384, 140, 432, 140);

    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPixelSize(34);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(32, 60, 340, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("CSplashWnd", "Tesmara"));
    title.setPixelSize(26);
    title.setBold(false);
    painter.setFont(title);
    painter.drawText(QRect(32, 104, 340, 36), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("CSplashWnd", "Accumulator"));

    QFont small = painter.font();
    small.setPixelSize(13);
    painter.setFont(small);
    painter.setPen(QColor(200, 214, 230));
    painter.drawText(
        QRect(32, 150, 340, 40), Qt::AlignLeft | Qt::TextWordWrap,
        QCoreApplication::translate("CSplashWnd", "Sizing and selection of hydraulic accumulators"));
    painter.drawText(
        QRect(32, 226, 340, 20), Qt::AlignLeft,
        QCoreApplication::translate("CSplashWnd", "Version %1").arg(QStringLiteral(TESMARA_VERSION)));
    painter.drawText(QRect(32, 246, 340, 20), Qt::AlignLeft,
                     QCoreApplication::translate("CSplashWnd", "Dalrow Mestlin"));
    return picture;
}

bool CSplashWnd::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type())
    {
    case QEvent::ShortcutOverride:
        // The key press that follows closes the splash; no shortcut may act on it meanwhile.
        pEvent->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        // The input only dismisses the splash; nothing else sees it.
        Finish();
        return true;
    default:
        return QWidget::eventFilter(pWatched, pEvent);
    }
}

void CSplashWnd::timerEvent(QTimerEvent* pEvent)
{
    if (pEvent->timerId() == m_timer.timerId())
        Finish();
    else
        QWidget::timerEvent(pEvent);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void CSplashWnd::Finish()
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    m_timer.stop();
    qApp->removeEventFilter(this);
    close();
    emit Closed();
}
