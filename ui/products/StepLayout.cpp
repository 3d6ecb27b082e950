// The step panel's geometry and text flags.
#include "products/StepLayout.h"

#include "product/TesmaraObject.h"

#include <algorithm>

std::vector<QRect> StepButtonRects(int nClientHeight, int nButtons)
{
    std::vector<QRect> rects;
    if (nButtons <= 0)
        return rects;
    const int nMargin = nClientHeight / 10;
    const int nPitch = (nClientHeight - 2 * nMargin) / (nButtons + 1);
    for (int i = 0; i < nButtons; ++i)
        rects.emplace_back(steplayout::ButtonLeft, nMargin + i * nPitch, steplayout::ButtonWidth,
                           steplayout::ButtonHeight);
    return rects;
}

QRect StepTextRect(const QRect& button, int nClientWidth, int nTextHeight)
{
    const int nLeft = button.x() + button.width() + steplayout::TextGap;
    // A window narrower than the buttons leaves no room; an empty rectangle, never a negative one.
    const int nWidth = std::max(0, nClientWidth - steplayout::TextGap - nLeft);
    const int nTop = button.y() + (button.height() - nTextHeight) / 2;
    return QRect(nLeft, nTop, nWidth, nTextHeight);
}

int QtTextFlags(int nFormat)
{
    int nFlags = Qt::AlignLeft | Qt::AlignTop;
    if (nFormat & textformat::WordBreak)
        nFlags |= Qt::TextWordWrap;
    if (nFormat & textformat::NoClip)
        nFlags |= Qt::TextDontClip;
    return nFlags;
}
