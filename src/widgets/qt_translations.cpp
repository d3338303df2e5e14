#include "widgets/qt_translations.h"

#include "widgets/texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> &Installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString LanguageCodeInForce()
{
    const QString code = Txt(45006).trimmed().toLower();
    return code.isEmpty() ? QStringLiteral("es") : code;
}

void PutQtTranslationsInForce()
{
    std::unique_ptr<QTranslator> &installed = Installed();
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const QString code = LanguageCodeInForce();
    if (code == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
}
