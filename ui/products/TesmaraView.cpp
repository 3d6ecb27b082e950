// The step panel: buttons, layout, background, painted texts, Tab order and the step presses.
#include "products/TesmaraView.h"

#include "app/DialogRunner.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "product/TesmaraObject.h"
#include "products/SelectionCompleted.h"
#include "products/StepLayout.h"
#include "products/TesmaraButton.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace
{
constexpr int kFirstButtonId = 100;

QString FromUtf8(const std::string& strText)
{
    return QString::fromStdString(strText);
}
} // namespace

CTesmaraView::CTesmaraView(CTesmaraObject& product, ISettings& settings, const QString& strApplicationFolder,
                           QWidget* pParent)
    : QWidget(pParent), m_pProduct(&product), m_settings(settings)
{
    setAutoFillBackground(true);
    setAccessibleName(FromUtf8(LoadString(700)));
    // A missing or unreadable picture leaves the panel plain; nothing is reported.
    m_background.load(QDir(strApplicationFolder).filePath(QStringLiteral("background.bmp")));

    const int nButtons = std::max(0, m_pProduct->GetNumberOfButtons());
    for (int i = 0; i < nButtons; ++i)
    {
        auto* pButton = new CTesmaraButton(FromUtf8(m_pProduct->GetButtonText(i)), kFirstButtonId + i, this);
        connect(pButton, &QPushButton::clicked, this, [this, pButton] { OnStepButton(pButton->Id()); });
        connect(pButton, &CTesmaraButton::TabPressed, this,
                [this, pButton](bool bForward) { OnTab(pButton, bForward); });
        m_buttons.push_back(pButton);
        m_displayTexts.append(QString());
    }
    LayoutButtons();
    Refresh();
}

void CTesmaraView::SetProductObject(CTesmaraObject& product)
{
    m_pProduct = &product;
    Refresh();
}

CTesmaraButton* CTesmaraView::Button(int nIndex) const
{
    return nIndex >= 0 && nIndex < ButtonCount() ? m_buttons[static_cast<std::size_t>(nIndex)] : nullptr;
}

QSize CTesmaraView::minimumSizeHint() const
{
    // Room for the buttons without overlap and a column of text beside them.
    return QSize(steplayout::ButtonLeft + steplayout::ButtonWidth + 260, 340);
}

void CTesmaraView::resizeEvent(QResizeEvent* pEvent)
{
    QWidget::resizeEvent(pEvent);
    LayoutButtons();
}

void CTesmaraView::LayoutButtons()
{
    const std::vector<QRect> rects = StepButtonRects(height(), ButtonCount());
    for (std::size_t i = 0; i < rects.size(); ++i)
        m_buttons[i]->setGeometry(rects[i]);
    update();
}

void CTesmaraView::Refresh()
{
    CTesmaraButton* pLastEnabled = nullptr;
    for (int i = 0; i < ButtonCount(); ++i)
    {
        CTesmaraButton* pButton = m_buttons[static_cast<std::size_t>(i)];
        const bool bEnabled = m_pProduct->GetButtonState(i) != 0;
        pButton->setEnabled(bEnabled);
        if (bEnabled)
            pLastEnabled = pButton;
        // The step's name too: the language may have changed.
        const QString strName = FromUtf8(m_pProduct->GetButtonText(i));
        pButton->setText(strName);
        pButton->setAccessibleName(QString(strName).remove(QLatin1Char('&')));
        m_displayTexts[i] = FromUtf8(m_pProduct->GetButtonSelectionDisplayText(i));
        // The painted text is invisible to a screen reader; the button carries it too.
        pButton->setAccessibleDescription(m_displayTexts[i]);
    }
    if (pLastEnabled)
    {
        // The panel is worked with Enter and Tab: show where the focus went, as after a Tab.
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        pLastEnabled->setFocus(Qt::OtherFocusReason);
    }
    RefreshAccessibleText();
    update();
}

void CTesmaraView::OnStepButton(int nId)
{
    try
    {
        m_pProduct->PerformButtonAction(nId);
    }
    catch (const std::exception& e)
    {
        // A catalogue error ends the step here; the selection is as it was.
        GetPrompt().Message(e.what());
    }
    Refresh();
    if (m_pProduct->IsSelectionComplete())
        ShowSelectionCompleted();
}

int CTesmaraView::ShowSelectionCompleted()
{
    if (m_settings.ReadInt(std::string(kSelectionCompletedShowKey), 1) == 0)
        return QDialog::Accepted;
    const int nTemplate =
        m_pProduct->HasCadOptions() ? CSelectionCompleted::WithCad : CSelectionCompleted::WithoutCad;
    CSelectionCompleted panel(*m_pProduct, m_settings, nTemplate, m_fnCommand, window());
    return GetDialogRunner().Run(panel);
}

void CTesmaraView::OnTab(const CTesmaraButton* pFrom, bool bForward)
{
    // The next id, from the last button to the first; a disabled button cannot hold the
    // focus, so it is passed over, and with no other enabled button the focus stays.
    const auto it = std::find(m_buttons.begin(), m_buttons.end(), pFrom);
    if (it == m_buttons.end())
        return;
    const int nCount = ButtonCount();
    const int nFrom = static_cast<int>(it - m_buttons.begin());
    for (int nStep = 1; nStep <= nCount; ++nStep)
    {
        const int nIndex = ((bForward ? nFrom + nStep : nFrom - nStep) % nCount + nCount) % nCount;
        CTesmaraButton* pButton = m_buttons[static_cast<std::size_t>(nIndex)];
        if (pButton->isEnabled())
        {
            pButton->setFocus(bForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void CTesmaraView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_background.isNull())
    {
        // Unscaled and centred; on an axis where the picture is larger it starts at 0.
        const int nX = std::max(0, (width() - m_background.width()) / 2);
        const int nY = std::max(0, (height() - m_background.height()) / 2);
        painter.drawImage(nX, nY, m_background);
    }
    OnDraw(painter);
}

void CTesmaraView::OnDraw(QPainter& painter)
{
    painter.setPen(palette().color(QPalette::WindowText));

    QFont headingFont = font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    painter.setFont(headingFont);
    const int nHeadingHeight = QFontMetrics(headingFont).height();
    painter.drawText(QRect(0, steplayout::HeadingTop, width(), nHeadingHeight),
                     Qt::AlignHCenter | Qt::AlignTop, FromUtf8(LoadString(700)));

    painter.setFont(font());
    for (int i = 0; i < ButtonCount(); ++i)
    {
        const QString& strText = m_displayTexts[i];
        if (strText.isEmpty())
            continue;
        const int nFlags = QtTextFlags(m_pProduct->GetSelectionTextFormat(i));
        const QRect button = m_buttons[static_cast<std::size_t>(i)]->geometry();
        const QRect room = StepTextRect(button, width(), 0);
        const QRect measured =
            painter.boundingRect(QRect(room.x(), 0, room.width(), height()), nFlags, strText);
        painter.drawText(StepTextRect(button, width(), measured.height()), nFlags, strText);
    }
}

QString CEuropeanAccumulatorView::PartNumberText() const
{
    if (!ProductObject().m_bPartNumberAvailable)
        return QString();
    return FromUtf8(LoadString(61446) + ProductObject().GetPartNumberDisplayText());
}

void CEuropeanAccumulatorView::RefreshAccessibleText()
{
    setAccessibleDescription(PartNumberText());
}

void CEuropeanAccumulatorView::OnDraw(QPainter& painter)
{
    CTesmaraView::OnDraw(painter);
    const QString strText = PartNumberText();
    if (strText.isEmpty())
        return;
    const QRect band(0, height() - steplayout::PartNumberBandHeight, width(),
                     steplayout::PartNumberBandHeight);
    QFont bandFont = font();
    bandFont.setBold(true); // the model number is what the user came for
    painter.setFont(bandFont);
    painter.drawText(band, Qt::AlignCenter | Qt::TextWordWrap, strText);
}
