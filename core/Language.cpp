#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Loaded translators stay with the application; one missing is no reason not to start.
void Install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void InstallTranslators()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    Install(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(QStringLiteral("orvella_it"), QStringLiteral(":/i18n"));
}
