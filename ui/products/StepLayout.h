// The step panel's geometry and text flags, as pure functions a test can check without painting.
#pragma once

#include <QRect>

#include <vector>

namespace steplayout
{
constexpr int ButtonLeft = 20;
constexpr int ButtonWidth = 180;
constexpr int ButtonHeight = 40;
// Room between a button and its text, and between the text and the right edge.
constexpr int TextGap = 10;
constexpr int HeadingTop = 5;
constexpr int PartNumberBandHeight = 80;
} // namespace steplayout

// Button i of n for a client height H, in integer arithmetic: margin = H / 10,
// pitch = (H - 2 * margin) / (n + 1), top = margin + i * pitch, 180 by 40 at left 20.
std::vector<QRect> StepButtonRects(int nClientHeight, int nButtons);

// Where a step's text may go: from 10 right of its button to 10 before the client's
// right edge, with its measured height centred on the button.
QRect StepTextRect(const QRect& button, int nClientWidth, int nTextHeight);

// The product object's text-drawing flags (word break 16, no clip 256) as Qt's flags.
int QtTextFlags(int nFormat);
