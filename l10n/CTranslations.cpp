#include "l10n/CTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CTranslations::CTranslations(Scope scope, const QLocale &locale)
{
    const QString own = QString::fromLatin1(kResourceFolder);
    if (qEnvironmentVariable(kPseudoVariable) == QLatin1String("1")) {
        auto pseudo = std::make_unique<QTranslator>();
        if (pseudo->load(QString::fromLatin1(kCatalogue) + QStringLiteral("_pseudo"), own)
            && QCoreApplication::installTranslator(pseudo.get())) {
            m_loaded << QStringLiteral("pseudo");
            m_translators.push_back(std::move(pseudo));
        }
    } else {
        install(QString::fromLatin1(kCatalogue), own, locale);
    }
    if (scope == Scope::WithQt)
        install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
}

CTranslations::~CTranslations()
{
    for (const auto &t : m_translators)
        QCoreApplication::removeTranslator(t.get());
}

bool CTranslations::install(const QString &name, const QString &folder, const QLocale &locale)
{
    auto translator = std::make_unique<QTranslator>();
    // The locale's languages in turn (de_DE, then de); English is the
    // source language and has no catalogue.
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    m_loaded << (name == QLatin1String(kCatalogue) ? translator->language() : name + QLatin1Char('_') + translator->language());
    m_translators.push_back(std::move(translator));
    return true;
}
