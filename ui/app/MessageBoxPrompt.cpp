// Message boxes for the prompt seam.
#include "app/MessageBoxPrompt.h"

#include "app/WindowPlacement.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMessageBox>

namespace
{
// The window the box belongs over: the dialog or window in use, else the main window.
QWidget* Owner()
{
    if (QWidget* pModal = QApplication::activeModalWidget())
        return pModal;
    if (QWidget* pActive = QApplication::activeWindow())
        return pActive;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        if (pWidget->isVisible() && qobject_cast<QMainWindow*>(pWidget))
            return pWidget;
    return nullptr;
}

EPromptAnswer Ask(QMessageBox::Icon eIcon, const std::string& strText, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(eIcon, QCoreApplication::translate("CMessageBoxPrompt", "Tesmara Accumulator"),
                    QString::fromStdString(strText), buttons, Owner());
    FitTitle(box);
    switch (box.exec())
    {
    case QMessageBox::Yes:
        return EPromptAnswer::Yes;
    case QMessageBox::No:
        return EPromptAnswer::No;
    case QMessageBox::Ok:
        return EPromptAnswer::Ok;
    default:
        return EPromptAnswer::Cancel;
    }
}
} // namespace

void CMessageBoxPrompt::Message(const std::string& strText)
{
    Ask(QMessageBox::Information, strText, QMessageBox::Ok);
}

EPromptAnswer CMessageBoxPrompt::YesNo(const std::string& strText)
{
    const EPromptAnswer eAnswer = Ask(QMessageBox::Question, strText, QMessageBox::Yes | QMessageBox::No);
    // A Yes/No box closed without an answer (Escape) is a No.
    return eAnswer == EPromptAnswer::Cancel ? EPromptAnswer::No : eAnswer;
}

EPromptAnswer CMessageBoxPrompt::YesNoCancel(const std::string& strText)
{
    return Ask(QMessageBox::Warning, strText, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}
