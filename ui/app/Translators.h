// The Qt translations of the program's windows and of Qt's own dialogs, one language at a time.
#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

class CTranslators
{
public:
    ~CTranslators();

    // Installs the translations of a language code ("DE"); U.S. English and a code without
    // translations install none. Installing sends every widget a language change.
    void Install(const QString& strLanguageCode);
    // The folder the program's .qm files are looked for in first (tests).
    static QString ProgramTranslationsFolder();
    const QTranslator* Program() const { return m_pProgram.get(); }
    const QTranslator* Qt() const { return m_pQt.get(); }

private:
    void Remove();

    std::unique_ptr<QTranslator> m_pProgram;
    std::unique_ptr<QTranslator> m_pQt;
};
