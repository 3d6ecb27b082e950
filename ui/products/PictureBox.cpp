// A picture scaled to fit its frame.
#include "products/PictureBox.h"

#include <QPainter>

CPictureBox::CPictureBox(QWidget* pParent) : QFrame(pParent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool CPictureBox::SetJpeg(const std::vector<std::uint8_t>& bytes)
{
    const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "JPG");
    SetImage(image);
    return !image.isNull();
}

void CPictureBox::SetImage(const QImage& image)
{
    m_image = image;
    update();
}

void CPictureBox::paintEvent(QPaintEvent* pEvent)
{
    QFrame::paintEvent(pEvent);
    if (m_image.isNull())
        return;
    const QRect area = contentsRect().adjusted(2, 2, -2, -2);
    if (area.isEmpty())
        return;
    const QSize size = m_image.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2,
                       area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
}
