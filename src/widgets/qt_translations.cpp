#include "widgets/qt_translations.h"

#include "widgets/texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace {

// Texts of the file dialog's list that Debian's Qt translations lack.
struct TOwnQtText {
    const char *context;
    const char *source;
    uint16_t id;
};

constexpr TOwnQtText kOwnQtTexts[] = {
    {"QAbstractFileIconProvider", "Folder", kTxtFileIconFolder},
    {"QAbstractFileIconProvider", "File", kTxtFileIconFile},
    {"QAbstractFileIconProvider", "Drive", kTxtFileIconDrive},
    {"QAbstractFileIconProvider", "Shortcut", kTxtFileIconShortcut},
    {"QAbstractFileIconProvider", "%1 File", kTxtFileIconTypedFile},
    {"QFileIconProvider", "Folder", kTxtFileIconFolder},
    {"QFileIconProvider", "File", kTxtFileIconFile},
    {"QFileIconProvider", "Drive", kTxtFileIconDrive},
};

// Asked after Qt's own translation, so it only fills its gaps.
class TOwnQtTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!context || !source)
            return {};
        for (const TOwnQtText &text : kOwnQtTexts)
            if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, source) == 0) {
                const QString own = Txt(text.id);
                return own.isEmpty() ? QString() : own;
            }
        return {};
    }
    bool isEmpty() const override { return false; }
};

struct TInstalled {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

TInstalled &Installed()
{
    static TInstalled installed;
    return installed;
}

} // namespace

QString LanguageCodeInForce()
{
    const QString code = Txt(kTxtLanguageCode).trimmed().toLower();
    return code.isEmpty() ? QStringLiteral("es") : code;
}

QLocale LocaleInForce()
{
    const QLocale language(LanguageCodeInForce());
    const QLocale current;
    return current.language() == language.language() ? current : language;
}

void PutQtTranslationsInForce()
{
    TInstalled &installed = Installed();
    for (std::unique_ptr<QTranslator> *translator : {&installed.qt, &installed.own}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    const QString code = LanguageCodeInForce();
    if (code == QLatin1String("en"))
        return;
    // The translator installed last is asked first.
    installed.own = std::make_unique<TOwnQtTranslator>();
    QCoreApplication::installTranslator(installed.own.get());
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    installed.qt = std::move(translator);
}
