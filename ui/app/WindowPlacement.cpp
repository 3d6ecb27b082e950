// Sizes and places windows on the free area of their screen.
#include "app/WindowPlacement.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

#include <algorithm>

namespace
{
// What a window manager's title bar takes besides the text: its buttons and margins.
constexpr int kTitleBarExtra = 160;
// A title bar's font is often larger and bolder than the dialog's.
constexpr double kTitleFontAllowance = 1.3;
} // namespace

void PlaceOnScreen(QWidget& window, const QSize& wanted)
{
    const QScreen* pScreen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!pScreen)
    {
        window.resize(wanted);
        return;
    }
    // Room for the frame and title bar the window manager adds around the window.
    const QRect available = pScreen->availableGeometry().adjusted(20, 30, -20, -20);
    const QSize size(std::min(wanted.width(), available.width()), std::min(wanted.height(), available.height()));
    window.resize(size);
    window.move(available.x() + (available.width() - size.width()) / 2,
                available.y() + (available.height() - size.height()) / 2);
}

void FitTitle(QMessageBox& box)
{
    auto* pGrid = qobject_cast<QGridLayout*>(box.layout());
    if (!pGrid)
        return;
    const int nWidth =
        static_cast<int>(box.fontMetrics().horizontalAdvance(box.windowTitle()) * kTitleFontAllowance) + kTitleBarExtra;
    pGrid->addItem(new QSpacerItem(nWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), pGrid->rowCount(), 0, 1,
                   pGrid->columnCount());
}
