// The process-wide dialog runner and its exec() default.
#include "app/DialogRunner.h"

#include <QDialog>

namespace
{
class CExecRunner final : public IDialogRunner
{
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

CExecRunner g_execRunner;
IDialogRunner* g_pRunner = nullptr;
} // namespace

IDialogRunner& GetDialogRunner()
{
    return g_pRunner ? *g_pRunner : g_execRunner;
}

IDialogRunner* SetDialogRunner(IDialogRunner* pRunner)
{
    IDialogRunner* pPrevious = g_pRunner;
    g_pRunner = pRunner;
    return pPrevious;
}
