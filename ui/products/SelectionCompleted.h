// The selection-complete panel: the outputs of a complete selection, one button per menu command.
#pragma once

#include <QDialog>

#include <functional>

class CTesmaraObject;
class ISettings;
class QCheckBox;
class QPushButton;

// Whether the panel is shown after a step completes the selection (1, or missing) or not (0).
inline constexpr const char* kSelectionCompletedShowKey = "SelectionCompleted/Show";

// The menu commands the panel's output buttons run.
namespace outputcmd
{
constexpr int PrintSelectionReport = 32775;
constexpr int AddToOrderPad = 32801;
constexpr int ViewSelectionReport = 32803;
constexpr int ViewCadDrawing = 32804;
constexpr int GenerateCadFile = 32806;
constexpr int PrintCadDxf = 32808;
constexpr int PrintCadHpgl = 32809;
} // namespace outputcmd

class CSelectionCompleted : public QDialog
{
    Q_OBJECT

public:
    // The two layouts: with the CAD options, and without them.
    static constexpr int WithCad = 207;
    static constexpr int WithoutCad = 208;

    // fnCommand runs a menu command by its id, as the menu does; the panel stays open.
    CSelectionCompleted(CTesmaraObject& product, ISettings& settings, int nTemplate,
                        std::function<void(int)> fnCommand, QWidget* pParent = nullptr);

    int TemplateId() const { return m_nTemplate; }
    // The output button of a command id, or nullptr when this layout has none.
    QPushButton* CommandButton(int nCommandId) const;
    QCheckBox* ShowCheckBox() const { return m_pShow; }

private:
    QPushButton* AddCommandButton(const QString& strText, int nCommandId, bool bEnabled);
    // "Close" keeps the box's state; Escape and the close box do not.
    void OnClose();

    ISettings& m_settings;
    int m_nTemplate;
    std::function<void(int)> m_fnCommand;
    QCheckBox* m_pShow = nullptr;
};
