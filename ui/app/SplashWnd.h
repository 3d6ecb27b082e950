// The splash window: shown over the main window for 5 s or until the first key or mouse press.
#pragma once

#include <QBasicTimer>
#include <QWidget>

class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDisplayMs = 5000;

    // Centres itself over the main window and watches the application's input while shown.
    explicit CSplashWnd(QWidget* pMainWindow);
    ~CSplashWnd() override;

    // The picture shown: drawn by the program, with the product's name and version.
    static QPixmap Picture();

signals:
    // Once, when the splash goes away by its timer or by input.
    void Closed();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void Finish();

    QPixmap m_picture;
    QBasicTimer m_timer;
    bool m_bFinished = false;
};
