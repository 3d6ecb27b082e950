// Dimension lines with extension lines, arrowheads and texts; leaders with lettered balloons.
#include "outputs/CadDimension.h"

#include <cmath>

namespace
{
constexpr double kArrowLength = 3.0; // paper mm
constexpr double kArrowHalfWidth = 0.6;
constexpr double kExtensionGap = 1.0;
constexpr double kExtensionOvershoot = 2.0;
constexpr double kBalloonRadius = 3.5;
} // namespace

double CadTextWidth(const std::string& strText, double dHeight)
{
    std::size_t nCharacters = 0;
    for (const unsigned char c : strText)
        if ((c & 0xC0) != 0x80) // a UTF-8 lead byte starts each character
            ++nCharacters;
    return static_cast<double>(nCharacters) * dHeight * 0.75;
}

void CCadAnnotator::Arrow(const SCadPoint& tip, double dx, double dy)
{
    const double dLength = std::hypot(dx, dy);
    if (dLength <= 0.0)
        return;
    const double ux = dx / dLength;
    const double uy = dy / dLength;
    const double dBack = Paper(kArrowLength);
    const double dSide = Paper(kArrowHalfWidth);
    const SCadPoint base{tip.x - ux * dBack, tip.y - uy * dBack};
    m_d.m_solids.push_back({ECadLayer::Dimension, tip, {base.x - uy * dSide, base.y + ux * dSide},
                            {base.x + uy * dSide, base.y - ux * dSide}});
}

void CCadAnnotator::Horizontal(const SCadPoint& a, const SCadPoint& b, double dLineY, const std::string& strText)
{
    for (const SCadPoint& p : {a, b})
    {
        const double dSign = dLineY >= p.y ? 1.0 : -1.0;
        Line({p.x, p.y + dSign * Paper(kExtensionGap)}, {p.x, dLineY + dSign * Paper(kExtensionOvershoot)});
    }
    const double dLeft = std::min(a.x, b.x);
    const double dRight = std::max(a.x, b.x);
    Line({dLeft, dLineY}, {dRight, dLineY});
    Arrow({dLeft, dLineY}, -1.0, 0.0);
    Arrow({dRight, dLineY}, 1.0, 0.0);
    const double dHeight = Paper(kTextHeight);
    const double dWidth = Paper(CadTextWidth(strText, kTextHeight));
    if (dRight - dLeft >= dWidth + Paper(2.0 * kArrowLength + 2.0))
        m_d.m_texts.push_back({ECadLayer::Dimension, {(dLeft + dRight) / 2.0, dLineY + Paper(1.0)}, dHeight,
                               strText, ECadAlign::Centre, 0.0});
    else
    {
        // Too short to hold its text: the line runs on to the text beyond the right arrow.
        Line({dRight, dLineY}, {dRight + Paper(kArrowLength + 2.0) + dWidth, dLineY});
        m_d.m_texts.push_back({ECadLayer::Dimension, {dRight + Paper(kArrowLength + 1.0), dLineY + Paper(1.0)},
                               dHeight, strText, ECadAlign::Left, 0.0});
    }
}

void CCadAnnotator::Vertical(const SCadPoint& a, const SCadPoint& b, double dLineX, const std::string& strText)
{
    for (const SCadPoint& p : {a, b})
    {
        const double dSign = dLineX >= p.x ? 1.0 : -1.0;
        Line({p.x + dSign * Paper(kExtensionGap), p.y}, {dLineX + dSign * Paper(kExtensionOvershoot), p.y});
    }
    const double dBottom = std::min(a.y, b.y);
    const double dTop = std::max(a.y, b.y);
    Line({dLineX, dBottom}, {dLineX, dTop});
    Arrow({dLineX, dBottom}, 0.0, -1.0);
    Arrow({dLineX, dTop}, 0.0, 1.0);
    // Read from the right, as drawings are: the text stands left of the line.
    const double dHeight = Paper(kTextHeight);
    const double dWidth = Paper(CadTextWidth(strText, kTextHeight));
    if (dTop - dBottom >= dWidth + Paper(2.0 * kArrowLength + 2.0))
        m_d.m_texts.push_back({ECadLayer::Dimension, {dLineX - Paper(1.0), (dBottom + dTop) / 2.0}, dHeight, strText,
                               ECadAlign::Centre, 90.0});
    else
    {
        // Too short to hold its text, which would cross the extension lines: the line runs on
        // beyond the top arrow to the text.
        Line({dLineX, dTop}, {dLineX, dTop + Paper(kArrowLength + 2.0) + dWidth});
        m_d.m_texts.push_back({ECadLayer::Dimension, {dLineX - Paper(1.0), dTop + Paper(kArrowLength + 1.0)}, dHeight,
                               strText, ECadAlign::Left, 90.0});
    }
}

void CCadAnnotator::Leader(const SCadPoint& feature, const SCadPoint& balloon, const std::string& strTag)
{
    const double dx = feature.x - balloon.x;
    const double dy = feature.y - balloon.y;
    const double dLength = std::hypot(dx, dy);
    const double dRadius = Paper(kBalloonRadius);
    if (dLength > dRadius)
    {
        const SCadPoint start{balloon.x + dx / dLength * dRadius, balloon.y + dy / dLength * dRadius};
        Line(start, feature);
        Arrow(feature, dx, dy);
    }
    m_d.m_circles.push_back({ECadLayer::Dimension, balloon, dRadius});
    m_d.m_texts.push_back({ECadLayer::Dimension, {balloon.x, balloon.y - Paper(kTextHeight / 2.0)},
                           Paper(kTextHeight), strTag, ECadAlign::Centre, 0.0});
}
