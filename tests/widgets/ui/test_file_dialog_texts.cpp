// The file dialog's list in the language of the program: Qt's translation
// where it has the text, the program's own text where it lacks it ("Folder"),
// and sizes and dates in the language's locale.
#include "framework/localize.h"
#include "widgets/file_dialog_model.h"
#include "widgets/qt_translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

class TestFileDialogTexts : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static bool UseLanguage(const char *file)
    {
        if (!file) {
            Localizer().UnloadLanguage();
        } else if (!Localizer().LoadLanguage(QDir(QCoreApplication::applicationDirPath())
                                                 .filePath(QString::fromLatin1(file))
                                                 .toStdString())) {
            return false;
        }
        PutQtTranslationsInForce();
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("Sorteos")));
        QFile file(QDir(dir_.path()).filePath(QStringLiteral("semana.aem")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(3000, 'x'));
    }

    void cleanupTestCase() { UseLanguage(nullptr); }

    void listInTheLanguageInForce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("language");
        QTest::newRow("spanish") << QString() << QStringLiteral("Carpeta") << QStringLiteral("es");
        QTest::newRow("english") << QStringLiteral("QOREuroMillonv3_english.lng") << QStringLiteral("Folder")
                                 << QStringLiteral("en");
        QTest::newRow("french") << QStringLiteral("QOREuroMillonv3_french.lng") << QStringLiteral("Dossier")
                                << QStringLiteral("fr");
    }

    void listInTheLanguageInForce()
    {
        QFETCH(QString, file);
        QFETCH(QString, folder);
        QFETCH(QString, language);
        QVERIFY(UseLanguage(file.isEmpty() ? nullptr : qPrintable(file)));
        QCOMPARE(LocaleInForce().language(), QLocale(language).language());

        QFileSystemModel files;
        TFileDialogModel shown;
        shown.setSourceModel(&files);
        const QModelIndex root = files.setRootPath(dir_.path());
        QTRY_COMPARE(files.rowCount(root), 2);
        const QModelIndex sorteos =
            shown.mapFromSource(files.index(QDir(dir_.path()).filePath(QStringLiteral("Sorteos"))));
        const QModelIndex semana =
            shown.mapFromSource(files.index(QDir(dir_.path()).filePath(QStringLiteral("semana.aem"))));
        QTRY_COMPARE(shown.data(sorteos.siblingAtColumn(2)).toString(), folder);
        const QLocale locale(language);
        QCOMPARE(shown.data(semana.siblingAtColumn(1)).toString(), locale.formattedDataSize(3000));
        const QDateTime modified =
            files.lastModified(files.index(QDir(dir_.path()).filePath(QStringLiteral("semana.aem"))));
        QCOMPARE(shown.data(semana.siblingAtColumn(3)).toString(),
                 locale.toString(modified, QLocale::ShortFormat));
        QCOMPARE(files.headerData(0, Qt::Horizontal).toString(),
                 language == QLatin1String("es")   ? QStringLiteral("Nombre")
                 : language == QLatin1String("fr") ? QStringLiteral("Nom")
                                                   : QStringLiteral("Name"));
    }
};

QTEST_MAIN(TestFileDialogTexts)
#include "test_file_dialog_texts.moc"
