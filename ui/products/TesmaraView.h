// The step panel: one button per workflow step with the current choice painted beside it.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class CTesmaraButton;
class CTesmaraObject;
class ISettings;
class QPainter;

class CTesmaraView : public QWidget
{
    Q_OBJECT

public:
    // Runs a menu command by its id; the output buttons of the selection-complete panel use it.
    using FCommand = std::function<void(int nCommandId)>;

    // The buttons are made here, one per step the product object has now; their count stays.
    // The background picture is "background.bmp" in the application folder, if there is one.
    CTesmaraView(CTesmaraObject& product, ISettings& settings, const QString& strApplicationFolder,
                 QWidget* pParent = nullptr);

    // "New Selection" may replace the product object; the panel then follows the new one.
    void SetProductObject(CTesmaraObject& product);
    CTesmaraObject& ProductObject() const { return *m_pProduct; }
    void SetCommandHandler(FCommand fnCommand) { m_fnCommand = std::move(fnCommand); }

    // Buttons enabled by the product object, focus on the last enabled one, texts re-read.
    void Refresh();
    // What a step button's press does: the step, a refresh, then the panel when complete.
    void OnStepButton(int nId);
    // The selection-complete panel, unless "SelectionCompleted/Show" is 0; how it ended (1 OK
    // also when it was not shown).
    int ShowSelectionCompleted();

    int ButtonCount() const { return static_cast<int>(m_buttons.size()); }
    CTesmaraButton* Button(int nIndex) const;
    const QStringList& DisplayTexts() const { return m_displayTexts; }

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    // The heading and the step texts; a derived view draws more after them.
    virtual void OnDraw(QPainter& painter);
    // After a refresh: what a screen reader is to know of what the view paints beyond the buttons.
    virtual void RefreshAccessibleText() {}

private:
    void LayoutButtons();
    void OnTab(const CTesmaraButton* pFrom, bool bForward);

    CTesmaraObject* m_pProduct;
    ISettings& m_settings;
    FCommand m_fnCommand;
    QImage m_background;
    std::vector<CTesmaraButton*> m_buttons; // children of the view
    QStringList m_displayTexts;
};

// The view of this application: the step panel with the model number shown below it.
class CEuropeanAccumulatorView : public CTesmaraView
{
    Q_OBJECT

public:
    using CTesmaraView::CTesmaraView;

    // The line below the steps: "Model Number: " and the complete model number, or empty
    // while the selection has none.
    QString PartNumberText() const;

protected:
    void OnDraw(QPainter& painter) override;
    // The painted model number is the view's accessible description.
    void RefreshAccessibleText() override;
};
