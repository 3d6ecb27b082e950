// Loading and switching the Qt translations.
#include "app/Translators.h"

#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace
{
// A translation loaded from the first folder that has it, else nullptr.
std::unique_ptr<QTranslator> Load(const QString& strName, const QStringList& folders)
{
    auto pTranslator = std::make_unique<QTranslator>();
    for (const QString& strFolder : folders)
        if (pTranslator->load(strName, strFolder))
            return pTranslator;
    return nullptr;
}
} // namespace

CTranslators::~CTranslators()
{
    Remove();
}

QString CTranslators::ProgramTranslationsFolder()
{
    // TESMARA_TRANSLATIONS_DIR for programs that do not live beside the built ones (tests).
    const QString strFolder = qEnvironmentVariable("TESMARA_TRANSLATIONS_DIR");
    return strFolder.isEmpty() ? QString::fromStdU16String((ProgramDataFolder() / "translations").u16string())
                               : strFolder;
}

void CTranslators::Install(const QString& strLanguageCode)
{
    Remove();
    if (strLanguageCode.compare(QStringLiteral("US"), Qt::CaseInsensitive) == 0)
        return;
    const QString strLanguage = strLanguageCode.toLower();
    m_pProgram = Load(QStringLiteral("tesmara_") + strLanguage, {ProgramTranslationsFolder()});
    m_pQt = Load(QStringLiteral("qtbase_") + strLanguage, {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    for (QTranslator* pTranslator : {m_pQt.get(), m_pProgram.get()})
        if (pTranslator)
            QCoreApplication::installTranslator(pTranslator);
}

void CTranslators::Remove()
{
    for (QTranslator* pTranslator : {m_pProgram.get(), m_pQt.get()})
        if (pTranslator)
            QCoreApplication::removeTranslator(pTranslator);
    m_pProgram.reset();
    m_pQt.reset();
}
