#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

// The program's catalogue (":/i18n/kestrelmark_<lang>.qm", compiled in)
// and, for the desktop program, Qt's own "qtbase_<lang>" for the print and
// file dialogs, loaded for the user's locale and installed into the
// application. With KESTRELMARK_PSEUDO_L10N=1 in the environment the
// pseudo-translation (every text longer, with accents) stands in for the
// program's catalogue, to see whether the layouts hold a longer language.
class CTranslations
{
public:
    enum class Scope { ProgramOnly, WithQt };

    static constexpr char kCatalogue[] = "kestrelmark";
    static constexpr char kResourceFolder[] = ":/i18n";
    static constexpr char kPseudoVariable[] = "KESTRELMARK_PSEUDO_L10N";

    // Needs the application object; installs what it finds for locale and
    // keeps it until the object is destroyed. English needs no catalogue.
    explicit CTranslations(Scope scope, const QLocale &locale = QLocale());
    ~CTranslations();
    CTranslations(const CTranslations &) = delete;
    CTranslations &operator=(const CTranslations &) = delete;

    // The languages a catalogue was found and installed for ("de", "qtbase_de").
    QStringList Loaded() const { return m_loaded; }


private:
    bool install(const QString &name, const QString &folder, const QLocale &locale);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_loaded;
};
