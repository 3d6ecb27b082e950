// A framed area showing one picture scaled to fit, keeping its aspect ratio.
#pragma once

#include <QFrame>
#include <QImage>

#include <cstdint>
#include <vector>

class CPictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit CPictureBox(QWidget* pParent = nullptr);

    // False, and an empty area, for bytes that are not a picture Qt can read.
    bool SetJpeg(const std::vector<std::uint8_t>& bytes);
    void SetImage(const QImage& image);
    void Clear() { SetImage(QImage()); }
    const QImage& Image() const { return m_image; }

    QSize sizeHint() const override { return QSize(320, 240); }
    QSize minimumSizeHint() const override { return QSize(160, 120); }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QImage m_image;
};
