// Modal dialogs as a seam: the desktop runs them with exec(); a test scripts them
// (fills them in and chooses a result) without a nested event loop.
#pragma once

class QDialog;

class IDialogRunner
{
public:
    virtual ~IDialogRunner() = default;
    // Shows the dialog modally and returns its result (1 OK, 2 Cancel, 2100 close the chain, ...).
    virtual int Run(QDialog& dialog) = 0;
};

// The process's runner; exec() until another is installed.
IDialogRunner& GetDialogRunner();
// Installs a runner (not owned; nullptr restores exec()) and returns the previous one.
IDialogRunner* SetDialogRunner(IDialogRunner* pRunner);
